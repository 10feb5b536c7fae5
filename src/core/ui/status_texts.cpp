#include "core/ui/status_texts.h"

#include "core/io/number_text.h"
#include "core/messages/catalogue.h"
#include "core/messages/message_format.h"

namespace vex {
namespace {

int toolbarHintMessage(int slot) {
    switch (slot) {
    case 2:
        return msg::PromptNew;
    case 3:
        return msg::PromptLoad;
    case 4:
        return msg::PromptSave;
    case 5:
        return msg::PromptSaveAs;
    case 7:
        return msg::PromptScaleMode;
    case 8:
        return msg::PromptCaptureMode;
    default:
        return 0;
    }
}

} // namespace

void PREPSTATUSBAR(int mode, const AppState& s, int toolbarHotIndex, StatusTexts& texts) {
    const std::int32_t lang = s.InterfaceLanguage;
    if (mode == 1) {
        if (const int number = toolbarHintMessage(toolbarHotIndex))
            texts.pane0 = GETSS(number, lang);
        return;
    }
    if (mode != 0) return;

    const Dep2D& d = s.doc;
    const WorkState& w = s.work;
    // Later modes win: tracing over spline point over calibration over capture.
    int hint = 0;
    if (w.CaptureMode == 1) hint = msg::HintCapturePoint;
    if (w.ScaleMode != 0) hint = msg::HintMovePoint;
    if (w.SplinePointMode == 1) hint = msg::HintSplinePoint;
    if (s.trace.on) hint = s.trace.shown.empty() ? msg::HintTrace : msg::HintTraceBound;
    texts.pane0 = hint ? GETSS(hint, lang) : std::string();

    texts.pane1 = GETWM4(msg::StatusLinesMax, lang, listDirectedInteger(LinesMax));
    texts.pane1 += GETWM4(msg::StatusPointsMax, lang, listDirectedInteger(PointsMax));
    texts.pane2 = GETWM4(msg::StatusLinesInUse, lang, listDirectedInteger(d.NLines));
    texts.pane2 += GETWM4(msg::StatusPointsInUse, lang, listDirectedInteger(d.NPoints(w.CurLine)));
}

} // namespace vex
