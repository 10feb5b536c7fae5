#include "core/ui/toolbar_model.h"

#include "core/state/app_state.h"
#include "core/ui/command_ids.h"
#include "core/ui/menu_states.h"

namespace vex {
namespace {

void setSlot(ToolBarButton& b, int kind, int image, bool enabled, int command) {
    b.kind = kind;
    b.image = image;
    b.enabled = enabled;
    b.command = command;
}

} // namespace

ToolbarState::ToolbarState() {
    layOutToolbar(*this);
}

void layOutToolbar(ToolbarState& t) {
    int x = 0;
    for (int i = 1; i <= ToolbarSlots; ++i) {
        ToolBarButton& b = t.buttons(i);
        const int width = b.kind == 1 ? 28 : 14;
        b.left = x + 1;
        b.top = 4;
        b.right = b.left + width;
        b.bottom = 32;
        b.state = 0;
        x += width + 1;
    }
}

void PrepareToolBarIcons(int mode, const AppState& s, ToolbarState& t) {
    const Dep2D& d = s.doc;
    const WorkState& w = s.work;
    if (mode >= 0 && mode <= 2) {
        // Mode 0 offers loading only.
        bool newSave = false, scale = false, capture = false;
        const bool load = true;
        if (mode == 1) {
            newSave = true;
            scale = w.ImageLoaded != 0 && w.SplinePointMode != 1;
            capture = scale && w.ScaleMode == 0 && d.NPoints(w.CurLine) < PointsMax;
        } else if (mode == 2) {
            newSave = w.ImageLoaded != 0 || d.NPoints(1) > 0;
        }
        setSlot(t.buttons(1), 2, 0, false, 0);
        setSlot(t.buttons(2), 1, 0, newSave, cmd::NewProject);
        setSlot(t.buttons(3), 1, 1, load, cmd::LoadProject);
        setSlot(t.buttons(4), 1, 2, newSave, cmd::SaveProject);
        setSlot(t.buttons(5), 1, 3, newSave, cmd::SaveProjectAs);
        setSlot(t.buttons(6), 2, 0, false, 0);
        setSlot(t.buttons(ScaleSlot), 1, 19, scale, cmd::SetTheScale);
        setSlot(t.buttons(CaptureSlot), 1, 10, capture, cmd::PointsCaptureMode);
    }
    layOutToolbar(t);
}

void latchScaleButton(ToolbarState& t) {
    t.latched = true;
    t.latchedIndex = ScaleSlot;
    t.buttons(ScaleSlot).state = 1;
    t.buttons(CaptureSlot).enabled = false;
}

void latchCaptureButton(ToolbarState& t) {
    t.buttons(CaptureSlot).enabled = true;
    t.latched = true;
    t.latchedIndex = CaptureSlot;
    t.buttons(CaptureSlot).state = 1;
    t.buttons(ScaleSlot).enabled = false;
}

void releaseCaptureButton(ToolbarState& t) {
    t.buttons(CaptureSlot).state = 0;
    t.buttons(ScaleSlot).enabled = true;
    t.latched = false;
    t.latchedIndex = CaptureSlot;
}

void leaveCaptureFull(ToolbarState& t) {
    t.latched = false;
    t.buttons(ScaleSlot).enabled = true;
    t.buttons(CaptureSlot).enabled = false;
    t.buttons(CaptureSlot).state = 0;
    t.latchedIndex = CaptureSlot;
}

void clearLatch(ToolbarState& t) {
    t.latched = false;
}

void syncToolbarLatch(const AppState& s, ToolbarState& t) {
    if (!t.latched) return;
    if (t.latchedIndex == ScaleSlot && s.work.ScaleMode != 0) {
        latchScaleButton(t);
    } else if (t.latchedIndex == CaptureSlot && s.work.CaptureMode == 1) {
        latchCaptureButton(t);
    } else {
        t.latched = false;
    }
}

void followMenuModeRule(const AppState& s, const MenuStates& menu, ToolbarState& t) {
    if (t.latched) {
        syncToolbarLatch(s, t);
        if (!t.latched) t.buttons(t.latchedIndex).state = 0;
    }
    t.buttons(ScaleSlot).enabled = menu.at(cmd::SetTheScale).enabled;
    t.buttons(CaptureSlot).enabled = menu.at(cmd::PointsCaptureMode).enabled;
}

} // namespace vex
