#pragma once
// What the mouse does in the image view, as changes of the state plus a
// list of what the screen has to do about them. The view widget feeds the
// events in and carries the effects out; everything in between is here.

#include "core/state/app_state.h"

#include <cstdint>
#include <vector>

namespace vex {

struct Modifiers {
    bool shift = false;
    bool control = false;
};

enum class CursorShape { Unchanged, Arrow, Cross, SizeAll };

struct MouseEffects {
    CursorShape cursor = CursorShape::Unchanged;
    bool repaint = false;
    bool scrolled = false;  // the scroll bars must follow ScrollX/ScrollY
    bool showPoint = false; // X = and Y = show the current point
    bool showBundleParameter = false;
    bool refreshPanel = false; // panel states from the data
    bool refreshStatusBar = false;
    bool refreshMenus = false;
    bool refreshToolbar = false; // toolbar states for a loaded document
    bool repaintToolbar = false;
    bool startPromptTimer = false; // the marker prompt after 50 ms
    bool removePrompt = false;
    bool focusView = false;
    bool openContextMenu = false;
    std::vector<int> enablePanel; // controls enabled after the panel refresh
};

MouseEffects mouseMove(AppState& s, std::int32_t x, std::int32_t y, Modifiers keys);
MouseEffects leftButtonDown(AppState& s, std::int32_t x, std::int32_t y, Modifiers keys);
MouseEffects leftButtonUp(AppState& s);
MouseEffects leftDoubleClick(AppState& s, std::int32_t x, std::int32_t y);
MouseEffects rightButtonDown(AppState& s, std::int32_t x, std::int32_t y);
MouseEffects rightButtonUp(AppState& s);
MouseEffects middleButtonDown(AppState& s, std::int32_t x, std::int32_t y);
MouseEffects mouseLeave(AppState& s);

// The prompt timer fired: the marker to name, or 0.
int markerToPrompt(const AppState& s);

} // namespace vex
