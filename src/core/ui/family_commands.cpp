#include "core/ui/family_commands.h"

#include "core/coords/mapping.h"
#include "core/coords/placeable.h"
#include "core/io/number_text.h"
#include "core/messages/catalogue.h"

namespace vex {

std::optional<UserMessage> addLineAtParameter(AppState& s, double p, const LineAtParameter& line) {
    if (line.refusal) return line.refusal;
    Document& d = s.doc;
    for (std::size_t k = 0; k < line.x.size(); ++k) {
        const auto X = static_cast<float>(line.x[k]), Y = static_cast<float>(line.y[k]);
        if (!chartPointPlaceable(d, s.work.PerspectiveDistance, X, Y))
            return UserMessage{msg::FamilyLineNotPlaceable,
                               MessageKind::Warning,
                               {listDirectedReal(X), listDirectedReal(Y)}};
    }
    const int j = d.NLines + 1;
    d.NLines = j;
    d.LineParam(j) = static_cast<float>(p);
    d.NPoints(j) = static_cast<std::int32_t>(line.x.size());
    for (int k = 1; k <= d.NPoints(j); ++k) {
        d.ArgX(j, k) = static_cast<float>(line.x[static_cast<std::size_t>(k - 1)]);
        d.ValY(j, k) = static_cast<float>(line.y[static_cast<std::size_t>(k - 1)]);
        INVERTARGANDPARTOMOUSEXY(d, d, j, k);
    }
    s.work.CurLine = j;
    s.work.CurPoint = 1;
    return std::nullopt;
}

} // namespace vex
