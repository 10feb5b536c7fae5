#pragma once
// The project and table commands of the File and Export-Import menus: what
// they ask, what they write and read, and how they leave the flags.

#include "core/state/app_state.h"
#include "gui/platform/prompts.h"
#include "gui/platform/shell_services.h"

#include <functional>
#include <string>

namespace vex {

class ProjectCommands {
  public:
    // reopenPicture: loads the picture named by the state after a project
    // load; returns false when it could not be loaded. keepPicture: writes
    // the picture shown to the given new PNG file; false when it could not.
    ProjectCommands(AppState& s, Prompts& prompts, ShellServices& shell,
                    std::function<bool()> reopenPicture,
                    std::function<bool(const std::string&)> keepPicture);

    void newProject();
    void loadProject();
    // Each returns true when the project was written.
    bool saveProject();
    bool saveProjectAs();
    // Exit and close: saves as Save Project does when there are unsaved
    // changes; false when the user backed out or the write failed, so the
    // program must stay open.
    bool saveBeforeLeaving();
    void exportTable();
    void importTable();

  private:
    bool proceedDespiteChanges(int question);
    bool writeProject();
    bool keepPastedPicture();
    Answer tell(const UserMessage& m);

    AppState& s_;
    Prompts& prompts_;
    ShellServices& shell_;
    std::function<bool()> reopenPicture_;
    std::function<bool(const std::string&)> keepPicture_;
};

} // namespace vex
