#pragma once
// Save Project and Load Project on the program's state: the project file
// of the document at ProjectPath, and the session brought in line with what
// was read.

#include "core/messages/user_message.h"
#include "core/state/app_state.h"

#include <optional>

namespace vex {

// Writes the document to ProjectPath (see writeProjectFile).
std::optional<UserMessage> WriteAllProjectFilesVer001(const AppState& s);

// Reads ProjectPath into the document; ImageLoaded is set when the project
// names a picture, and the current and saved line and point and the
// selection are pulled inside the loaded lines. The grid and the modes are
// left alone. On any failure the state is unchanged. Reopening the picture
// is the view's business.
std::optional<UserMessage> ReadAllProjectFilesVer001(AppState& s);

} // namespace vex
