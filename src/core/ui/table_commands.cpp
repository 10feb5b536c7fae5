#include "core/ui/table_commands.h"

#include "core/coords/chart_values.h"
#include "core/messages/catalogue.h"
#include "core/state/current_inside.h"

#include <algorithm>
#include <memory>

namespace vex {
namespace {

UserMessage tooFewPoints() {
    return UserMessage{msg::TooFewPoints, MessageKind::Error, {}};
}

// Points, count and chart values of line L as they were; the chart values go
// back too, or the pasted value of a lone point would sit beside the restored
// image position and be exported as if it belonged to it.
void restoreLine(const Dep2D& before, std::int32_t L, Dep2D& d) {
    d.NPoints(L) = before.NPoints(L);
    std::copy_n(before.PixX.row(L), PointSlots, d.PixX.row(L));
    std::copy_n(before.PixY.row(L), PointSlots, d.PixY.row(L));
    std::copy_n(before.ArgX.row(L), PointSlots, d.ArgX.row(L));
    std::copy_n(before.ValY.row(L), PointSlots, d.ValY.row(L));
}

} // namespace

CopyResult copyTableCommand(AppState& s) {
    if (s.doc.NPoints(1) < 2) return {tooFewPoints(), {}};
    return {std::nullopt, COPYBINARYDEP2DFROMBMP(s.doc, s.work.PerspectiveDistance)};
}

PasteResult pasteTableCommand(std::string_view clipboardText, AppState& s) {
    const auto before =
        std::make_unique<const Dep2D>(static_cast<const Dep2D&>(s.doc)); // too large for the stack
    PasteResult result = PASTEBINARYDEP2DFROMBMP(clipboardText, s.doc, s.work.PerspectiveDistance);
    if (!result.changed) return result;

    Document& d = s.doc;
    for (std::int32_t L = 1; L <= d.NLines; ++L) {
        // A paste refuses counts <= 0, so this is a line of one point: not
        // enough for a curve, and the line keeps what it had. A line above the
        // previous table was empty and stays empty under the pasted NLines,
        // as a newly added line would be.
        if (d.NPoints(L) <= 1) {
            restoreLine(*before, L, d);
            result.messages.push_back(tooFewPoints());
        } else {
            recomputeLineChartValues(d, s.work.PerspectiveDistance, L);
        }
    }
    s.work.CurLine = 1;
    s.work.CurPoint = 1;
    s.mouse.SelectionCount = 1;
    s.mouse.Selection(1) = 1;
    return result;
}

TableReadResult importTableCommand(AppState& s, const std::string& path) {
    TableReadResult result = Load2DepFromTxt(s.doc, s.work.PerspectiveDistance, path);
    if (result.code == TableLoaded && !result.failure) keepCurrentInsideData(s);
    return result;
}

} // namespace vex
