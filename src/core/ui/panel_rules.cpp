#include "core/ui/panel_rules.h"

#include "core/ui/command_ids.h"
#include "core/ui/panel_reset.h"
#include "core/ui/trace_commands.h"

#include <initializer_list>

namespace vex {
namespace {

using Ids = std::initializer_list<int>;

void set(std::map<int, bool>& m, Ids ids, bool on) {
    for (int id : ids) m[id] = on;
}

bool lookUp(const std::map<int, bool>& m, int id, bool otherwise) {
    const auto it = m.find(id);
    return it == m.end() ? otherwise : it->second;
}

} // namespace

const std::vector<int>& dataControls() {
    static const std::vector<int> ids = {
        ctl::FunctionGroup,  ctl::SetTheScale,     ctl::CaptureMode, ctl::LinesGroup,
        ctl::AddLine,        ctl::BundleParameter, ctl::BundleLabel, ctl::DeleteLine,
        ctl::NextLine,       ctl::PreviousLine,    ctl::PointsGroup, ctl::XLabel,
        ctl::XEdit,          ctl::YLabel,          ctl::YEdit,       ctl::AddPoint,
        ctl::DeletePoint,    ctl::SortPoints,      ctl::BmpGroup,    ctl::DeleteBmp,
        ctl::ImportBmp,      ctl::SplineGroup,     ctl::ShowSpline,  ctl::SplineAddPoint,
        ctl::PointsOnSpline, ctl::TraceCurve};
    return ids;
}

const std::vector<int>& calibrationControls() {
    static const std::vector<int> ids = {ctl::GridGroup, ctl::XGridLabel, ctl::YGridLabel,
                                         ctl::XGridEdit, ctl::YGridEdit,  ctl::XGridSpin,
                                         ctl::YGridSpin, ctl::Ok,         ctl::Cancel};
    return ids;
}

PanelControls::PanelControls() {
    for (const std::vector<int>* group : {&dataControls(), &calibrationControls()}) {
        for (int id : *group) {
            enabled[id] = true;
            checked[id] = false;
            visible[id] = true;
        }
    }
}

bool PanelControls::isEnabled(int id) const {
    return lookUp(enabled, id, true);
}
bool PanelControls::isChecked(int id) const {
    return lookUp(checked, id, false);
}
bool PanelControls::isVisible(int id) const {
    return lookUp(visible, id, true);
}

void DIALOGPARTNERSHIP(AppState& s, PanelControls& c) {
    Dep2D& d = s.doc;
    WorkState& w = s.work;
    auto& on = c.enabled;
    auto& tick = c.checked;
    const bool image = w.ImageLoaded != 0;
    const std::int32_t n = d.NPoints(w.CurLine);

    if (image) set(on, {ctl::SetTheScale, ctl::DeleteBmp, ctl::CaptureMode}, true);
    set(on, {ctl::AddLine, ctl::BundleParameter}, d.NLines < LinesMax && d.NPoints(1) >= 1);
    on[ctl::DeleteLine] = d.NLines != 1 || d.NPoints(1) >= 1;
    on[ctl::NextLine] = w.CurLine != d.NLines;
    on[ctl::PreviousLine] = w.CurLine != 1;
    if (d.NLines == 1) set(on, {ctl::NextLine, ctl::PreviousLine}, false);
    on[ctl::AddPoint] = n >= 2 && n < PointsMax;
    on[ctl::DeletePoint] = n > 2;
    if (n >= 2) on[ctl::SortPoints] = true;
    if (n >= PointsMax) {
        w.SplinePointMode = 0;
        tick[ctl::SplineAddPoint] = false;
        on[ctl::SplineAddPoint] = false;
        w.CaptureMode = 0;
        tick[ctl::CaptureMode] = false;
        on[ctl::CaptureMode] = false;
    }
    if (w.SplineShown == 1 && n < PointsMax) on[ctl::SplineAddPoint] = true;
    set(on, {ctl::SetTheScale, ctl::DeleteBmp, ctl::ImportBmp}, w.CaptureMode != 1);
    if (n < 2) {
        w.SplinePointMode = 0;
        w.SplineShown = 0;
        set(tick, {ctl::SplineAddPoint, ctl::ShowSpline}, false);
        set(on, {ctl::ShowSpline, ctl::SplineAddPoint, ctl::PointsOnSpline}, false);
    }
    if (n >= 2) on[ctl::ShowSpline] = true;
    if (w.SplineShown == 0) {
        w.SplinePointMode = 0;
        set(tick, {ctl::SplineAddPoint, ctl::ShowSpline}, false);
        set(on, {ctl::SplineAddPoint, ctl::PointsOnSpline}, false);
    }
    if (w.SplinePointMode == 1) {
        set(on,
            {ctl::AddPoint, ctl::DeletePoint, ctl::SortPoints, ctl::DeleteLine, ctl::AddLine,
             ctl::NextLine, ctl::PreviousLine, ctl::DeleteBmp, ctl::ImportBmp, ctl::SetTheScale,
             ctl::BundleParameter, ctl::YEdit, ctl::XEdit},
            false);
        w.CaptureMode = 0;
        tick[ctl::CaptureMode] = false;
        on[ctl::CaptureMode] = false;
    }
    on[ctl::TraceCurve] = traceAllowed(s);
    tick[ctl::TraceCurve] = s.trace.on;
    if (!image) {
        set(on,
            {ctl::SetTheScale, ctl::DeleteBmp, ctl::CaptureMode, ctl::AddPoint, ctl::DeletePoint,
             ctl::SortPoints, ctl::DeleteLine, ctl::AddLine, ctl::NextLine, ctl::PreviousLine,
             ctl::BundleParameter, ctl::YEdit, ctl::XEdit, ctl::PointsOnSpline},
            false);
        w.SplineShown = 0;
        tick[ctl::ShowSpline] = false;
        on[ctl::ShowSpline] = false;
        on[ctl::SplineAddPoint] = false;
    }
}

void enablePointEdits(const AppState& s, PanelControls& c) {
    const Dep2D& d = s.doc;
    const WorkState& w = s.work;
    const bool pointExists = w.CurPoint >= 1 && w.CurPoint <= d.NPoints(w.CurLine);
    if (w.ImageLoaded != 0 && w.SplinePointMode != 1 && pointExists)
        set(c.enabled, {ctl::XEdit, ctl::YEdit}, true);
}

void PROCESS_UDM_HDLG(int layout, PanelControls& c) {
    for (int id : dataControls()) c.visible[id] = layout == 1;
    for (int id : calibrationControls()) c.visible[id] = layout != 1;
}

void PROCESS_RESET_HDLG(AppState& s, int dataPresent, PanelControls& c) {
    resetPanelModes(s);
    const Dep2D& d = s.doc;
    const WorkState& w = s.work;
    auto& on = c.enabled;
    if (dataPresent == 0) {
        set(on,
            {ctl::DeleteBmp, ctl::CaptureMode, ctl::SortPoints, ctl::DeleteLine, ctl::DeletePoint,
             ctl::AddPoint, ctl::YEdit, ctl::XEdit, ctl::AddLine, ctl::BundleParameter,
             ctl::SetTheScale, ctl::NextLine, ctl::PreviousLine, ctl::ShowSpline,
             ctl::SplineAddPoint, ctl::PointsOnSpline, ctl::TraceCurve},
            false);
    } else {
        set(on,
            {ctl::DeleteBmp, ctl::CaptureMode, ctl::YEdit, ctl::XEdit, ctl::BundleParameter,
             ctl::SetTheScale},
            true);
        const std::int32_t n = d.NPoints(w.CurLine);
        if (n > 1) {
            on[ctl::ShowSpline] = true;
            on[ctl::SplineAddPoint] = false;
            if (d.NLines < LinesMax) {
                set(on, {ctl::AddLine, ctl::BundleParameter}, true);
                on[ctl::NextLine] = w.CurLine != d.NLines;
                on[ctl::PreviousLine] = w.CurLine != 1;
            }
            set(on, {ctl::DeleteLine, ctl::SortPoints, ctl::DeletePoint, ctl::AddPoint}, true);
        }
        if (n >= PointsMax) {
            on[ctl::AddPoint] = false;
            c.checked[ctl::CaptureMode] = false;
            s.work.CaptureMode = 0;
            on[ctl::CaptureMode] = false;
        }
    }
    if (w.SplineShown == 1) on[ctl::PointsOnSpline] = true;
    c.visible[ctl::Ok] = false;
    c.visible[ctl::Cancel] = false;
    c.checked[ctl::SetTheScale] = false;
}

PanelControls initialPanelControls(AppState& s) {
    PanelControls c;
    PROCESS_RESET_HDLG(s, 0, c);
    for (int id : {ctl::XGridEdit, ctl::YGridEdit, ctl::XGridSpin, ctl::YGridSpin, ctl::XGridLabel,
                   ctl::YGridLabel, ctl::GridGroup})
        c.visible[id] = false;
    return c;
}

} // namespace vex
