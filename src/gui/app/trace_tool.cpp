#include "gui/app/trace_tool.h"

#include "core/messages/catalogue.h"
#include "core/messages/message_format.h"
#include "core/settings/trace_preferences.h"
#include "core/state/app_state.h"
#include "core/ui/trace_commands.h"
#include "gui/panel/trace_count_dialog.h"
#include "gui/platform/prompts.h"
#include "gui/platform/shell_services.h"
#include "gui/view/picture.h"

#include <string>

namespace vex {
namespace {

// The picture's pixels as the tracer reads them, without a copy.
TraceImage traceImageOf(const QImage& image) {
    return {image.width(), image.height(),
            reinterpret_cast<const std::uint32_t*>(image.constBits()),
            static_cast<std::size_t>(image.bytesPerLine()) / 4};
}

} // namespace

void TraceTool::toggle() {
    if (s_.trace.on)
        stopTracing(s_);
    else if (traceAllowed(s_))
        startTracing(s_);
    refresh();
}

void TraceTool::click(PlanePoint stored) {
    if (!s_.trace.on || picture_.isNull()) return;
    const TraceOutcome outcome = traceClick(s_, traceImageOf(picture_.image()), stored);
    if (outcome != TraceOutcome::Traced) {
        const int number =
            outcome == TraceOutcome::NothingFound ? msg::TraceNothingFound : msg::TraceBoundMissed;
        prompts_.show({number, MessageKind::Information, {}}, s_.InterfaceLanguage);
    }
    refresh();
}

void TraceTool::take() {
    if (!s_.trace.on || s_.trace.shown.empty()) return;
    TraceCountDialog dialog(readTracePointCount(settings_), s_.InterfaceLanguage);
    if (prompts_.exec(dialog) != QDialog::Accepted) return;
    writeTracePointCount(settings_, dialog.count());
    const int line = s_.work.CurLine;
    if (const std::int32_t n = s_.doc.NPoints(line); n > 0) {
        const UserMessage question{msg::TraceReplacePoints,
                                   MessageKind::Question,
                                   {std::to_string(line), std::to_string(n)}};
        if (prompts_.show(question, s_.InterfaceLanguage) != Answer::Yes) return;
    }
    takeTracedPoints(s_, tracedPoints(s_, dialog.count()));
    shell_.recordEdit(EditKind::TraceCurve);
    shell_.refreshAfter(AfterLinePointsChanged);
}

void TraceTool::leave() {
    stopTracing(s_);
    refresh();
}

void TraceTool::refresh() {
    shell_.refreshAfter(AfterChange);
}

} // namespace vex
