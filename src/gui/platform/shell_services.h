#pragma once
// What the parts of the main window (panel, view, toolbar) ask of the window
// after they change the state: the refresh, which brings the parts of the
// screen a change left out of date up to date, and the edit history.

#include "core/coords/plane_point.h"
#include "core/ui/edit_kinds.h"
#include "core/ui/refresh_needs.h"

namespace vex {

// What the user does with Trace curve: the command, a click on the view at a
// stored position, Enter, Escape.
enum class TraceInput { Toggle, Click, Take, Leave };

class ShellServices {
  public:
    virtual ~ShellServices() = default;

    // The one refresh after any change (see RefreshNeeds for its order).
    virtual void refreshAfter(const RefreshNeeds& needs) = 0;
    virtual void prepStatusBar(int mode) = 0; // 0 state texts, 1 toolbar hint
    // Resets modes, current line and point and the grid, and sets the panel's
    // enabled states (dataPresent 0: everything that edits is disabled).
    virtual void resetPanel(int dataPresent) = 0;
    // The current line is full: the capture tool is released and disabled.
    virtual void leaveCaptureOnToolbar() = 0;
    // Asks for a picture file and loads it into the view; false when nothing was loaded.
    virtual bool importPicture() = 0;
    // Drops the picture's pixels (the state is the caller's).
    virtual void dropPicture() = 0;
    // The panel's edits for the current point and line.
    virtual void showCurrentPoint() = 0;
    virtual void showBundleParameter() = 0;
    virtual void enablePanelControl(int id) = 0;
    // A command of the view's pop-up menu (Copy or Paste of the table).
    virtual void contextCommand(int id) = 0;
    virtual void trace(TraceInput input, PlanePoint stored = {}) = 0;

    // The history of edits. After anything the user did: a change of the
    // document becomes one step, named by `kind`.
    virtual void recordEdit(EditKind kind) = 0;
    // Another picture: not a step, but the project is modified until saved.
    virtual void pictureChanged() = 0;
    // A new or loaded project starts a fresh history, not modified.
    virtual void historyStartsAfresh() = 0;
    // The project was saved: this state is not modified.
    virtual void projectSaved() = 0;
};

} // namespace vex
