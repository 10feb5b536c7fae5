#pragma once
// The toolbar as state: eight fixed slots (two separators and six picture
// buttons), which of them react, which one is hot, pressed or latched. The
// widget only draws this and reports the mouse.

#include "core/data/one_based.h"

#include <cstdint>

namespace vex {

struct AppState;
class MenuStates;

inline constexpr int ToolbarSlots = 8;
inline constexpr int ScaleSlot = 7;   // Set the Scale
inline constexpr int CaptureSlot = 8; // Points Capture Mode

struct ToolBarButton {
    int kind = 2; // 1 = button (28 pixels wide), 2 = separator (14 pixels)
    bool enabled = false;
    int state = 0;   // 0 normal, 1 hot or latched, 2 pressed
    int image = 0;   // column of the picture
    int command = 0; // command id sent to the main window; 0 = none
    int left = 0, top = 0, right = 0, bottom = 0;
    bool contains(int x, int y) const { return left <= x && x < right && top <= y && y < bottom; }
    friend bool operator==(const ToolBarButton&, const ToolBarButton&) = default;
};

struct ToolbarState {
    OneBased<ToolBarButton, ToolbarSlots> buttons;
    int hotIndex = 0;     // slot under the pointer or pressed; 0 = none
    bool latched = false; // a mode button stays down
    int latchedIndex = 0; // which one: ScaleSlot or CaptureSlot
    int tooltipId = 0;    // prompt number of the slot under the pointer

    ToolbarState();
    friend bool operator==(const ToolbarState&, const ToolbarState&) = default;
};

// Sets the slots for a document state and lays them out again (every state
// back to 0). Mode 0: nothing loaded; 1: picture or project loaded; 2: as
// other changes need. Any other mode only lays out.
void PrepareToolBarIcons(int mode, const AppState& s, ToolbarState& t);

// Slots side by side from x = 1, one pixel apart, 4..32 high.
void layOutToolbar(ToolbarState& t);

// The latch changes the panel and the view make when a mode starts or ends.
void latchScaleButton(ToolbarState& t);
void latchCaptureButton(ToolbarState& t);
void releaseCaptureButton(ToolbarState& t);
// The current line is full: capture leaves the toolbar, its button disabled.
void leaveCaptureFull(ToolbarState& t);
void clearLatch(ToolbarState& t);
// After the slots were set anew: a latch stays only while its mode is on,
// and is shown again (the latched button hot, the other one disabled).
void syncToolbarLatch(const AppState& s, ToolbarState& t);
// Set the Scale and Capture react exactly when the menu offers their
// commands; a latch whose mode has ended is drawn released.
void followMenuModeRule(const AppState& s, const MenuStates& menu, ToolbarState& t);

} // namespace vex
