#include "core/ui/toolbar_mouse.h"

namespace vex {
namespace {

int firstSlotAt(const ToolbarState& t, int x, int y) {
    for (int i = 1; i <= ToolbarSlots; ++i)
        if (t.buttons(i).contains(x, y)) return i;
    return 0;
}

int firstEnabledSlotAt(const ToolbarState& t, int x, int y) {
    for (int i = 1; i <= ToolbarSlots; ++i)
        if (t.buttons(i).enabled && t.buttons(i).contains(x, y)) return i;
    return 0;
}

void showLatch(ToolbarState& t) {
    if (t.latched && (t.latchedIndex == ScaleSlot || t.latchedIndex == CaptureSlot))
        t.buttons(t.latchedIndex).state = 1;
}

} // namespace

int toolbarTooltipId(int slot) {
    switch (slot) {
    case 2:
        return 168;
    case 3:
        return 169;
    case 4:
        return 170;
    case 5:
        return 171;
    case 7:
        return 166;
    case 8:
        return 165;
    default:
        return 0;
    }
}

ToolbarEffects toolbarMouseMove(ToolbarState& t, int x, int y) {
    ToolbarEffects e;
    int hot = firstEnabledSlotAt(t, x, y);
    if (hot && t.buttons(hot).kind == 2) hot = 0;
    t.hotIndex = hot;

    // The prompt names the slot whether or not it is enabled; over the first
    // separator the previous one stays.
    const int slot = firstSlotAt(t, x, y);
    if (slot != 1) t.tooltipId = toolbarTooltipId(slot);
    if (t.tooltipId > 0)
        e.restartTooltipTimer = true;
    else
        e.removeTooltip = true;

    if (hot) t.buttons(hot).state = 1;
    for (int i = 1; i <= ToolbarSlots; ++i) {
        ToolBarButton& b = t.buttons(i);
        if (i == hot || !b.enabled || b.state == 0) continue;
        b.state = 0;
        e.removeTooltip = true;
    }
    showLatch(t);
    e.repaint = true;
    e.statusMode = 1;
    return e;
}

ToolbarEffects toolbarPress(ToolbarState& t, int x, int y) {
    ToolbarEffects e;
    const int hot = firstEnabledSlotAt(t, x, y);
    t.hotIndex = hot;
    if (hot) t.buttons(hot).state = 2;
    for (int i = 1; i <= ToolbarSlots; ++i) {
        ToolBarButton& b = t.buttons(i);
        if (i != hot && b.enabled && b.state != 0) b.state = 0;
    }
    e.repaint = true;
    return e;
}

ToolbarEffects toolbarRelease(ToolbarState& t, int x, int y, bool calibrationConfirmable) {
    ToolbarEffects e;
    e.repaint = true;
    const ToolbarState before = t;
    for (int i = 1; i <= ToolbarSlots; ++i) t.buttons(i).state = 0;
    const int slot = firstEnabledSlotAt(t, x, y);
    if (slot == 0) {
        showLatch(t);
        return e;
    }
    t.hotIndex = slot;
    ToolBarButton& b = t.buttons(slot);
    if (b.command == 0) {
        showLatch(t);
        return e;
    }
    if (slot == ScaleSlot) {
        if (t.latched) {
            if (!calibrationConfirmable) {
                // An unusable marker layout cannot be confirmed: nothing happens.
                t = before;
                t.buttons(ScaleSlot).state = 1;
                return e;
            }
            t.latched = false;
            b.state = 0;
            t.buttons(CaptureSlot).enabled = true;
            e.endCalibration = true; // instead of the command, which would start it again
            return e;
        }
        t.latched = true;
        t.latchedIndex = ScaleSlot;
        b.state = 1;
        t.buttons(CaptureSlot).enabled = false;
    } else if (slot == CaptureSlot) {
        if (t.latched) {
            t.latched = false;
            t.buttons(ScaleSlot).enabled = true;
            b.state = 0;
        } else {
            t.latched = true;
            t.latchedIndex = CaptureSlot;
            t.buttons(ScaleSlot).enabled = false;
            b.state = 1;
        }
    }
    e.command = b.command;
    return e;
}

ToolbarEffects toolbarLeave(ToolbarState& t) {
    ToolbarEffects e;
    for (int i = 1; i <= ToolbarSlots; ++i) {
        ToolBarButton& b = t.buttons(i);
        if (b.enabled && b.state != 0) b.state = 0;
    }
    showLatch(t);
    t.hotIndex = 0;
    e.removeTooltip = true;
    e.repaint = true;
    e.statusMode = 0;
    return e;
}

} // namespace vex
