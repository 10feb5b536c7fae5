#pragma once
// Save Project and Load Project on the program's state: the project file
// of the document at ProjectPath, and the session brought in line with what
// was read.

#include "core/messages/user_message.h"
#include "core/state/app_state.h"

#include <optional>
#include <string>

namespace vex {

// Writes the document to ProjectPath (see writeProjectFile).
std::optional<UserMessage> WriteAllProjectFilesVer001(const AppState& s);

// Reads ProjectPath into the document; ImageLoaded is set when the project
// names a picture, and the current and saved line and point and the
// selection are pulled inside the loaded lines. The grid and the modes are
// left alone. On any failure the state is unchanged. Reopening the picture
// is the view's business.
std::optional<UserMessage> ReadAllProjectFilesVer001(AppState& s);

// The picture of a project just read, as its file names it.
struct StoredPicture {
    std::string path;
    float positionsFitZoom = 0.0f;
};

// Points the document's picture at the file to open for it (see
// resolveImagePath) and returns the picture as stored.
StoredPicture lookForProjectPicture(AppState& s);

// After the picture was looked for: opened, the stored positions move with
// it to the view's fitted zoom; not found, the project keeps naming its own
// picture and zoom, as its file does, for the next Save to keep, and works
// without one (no picture loaded, no capture).
void settleProjectPicture(AppState& s, const StoredPicture& stored, bool opened);

} // namespace vex
