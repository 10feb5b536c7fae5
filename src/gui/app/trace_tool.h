#pragma once
// Trace curve in the window: the mode from the menu or the panel, clicks on
// the view, Enter to take the trace shown into the current line (one step
// of the history), Escape to leave.

#include "core/coords/plane_point.h"

namespace vex {

struct AppState;
class Picture;
class Prompts;
class SettingsStore;
class ShellServices;

class TraceTool {
  public:
    TraceTool(AppState& s, const Picture& picture, Prompts& prompts, SettingsStore& settings,
              ShellServices& shell)
        : s_(s), picture_(picture), prompts_(prompts), settings_(settings), shell_(shell) {}

    void toggle();
    void click(PlanePoint stored);
    // The point count asked (the last one offered), a question before the
    // line's own points are replaced, then the points taken.
    void take();
    void leave();

  private:
    void refresh();

    AppState& s_;
    const Picture& picture_;
    Prompts& prompts_;
    SettingsStore& settings_;
    ShellServices& shell_;
};

} // namespace vex
