#include "core/ui/project_routines.h"

#include "core/io/project_file.h"
#include "core/state/current_inside.h"

namespace vex {

std::optional<UserMessage> WriteAllProjectFilesVer001(const AppState& s) {
    return writeProjectFile(s.doc, s.ProjectPath);
}

std::optional<UserMessage> ReadAllProjectFilesVer001(AppState& s) {
    if (auto failure = readProjectFile(s.doc, s.ProjectPath)) return failure;
    if (!s.doc.ImagePath.empty()) s.work.ImageLoaded = -1;
    // Work on a line or point the project lacks would go into hidden slots.
    keepCurrentInsideData(s);
    return std::nullopt;
}

StoredPicture lookForProjectPicture(AppState& s) {
    StoredPicture stored{s.doc.ImagePath, s.doc.PositionsFitZoom};
    s.doc.ImagePath = resolveImagePath(stored.path, s.ProjectPath);
    return stored;
}

void settleProjectPicture(AppState& s, const StoredPicture& stored, bool opened) {
    if (opened) {
        // Positions taken in a view of another size move with the picture.
        rescaleStoredPositions(s.doc, stored.positionsFitZoom, s.view.FitZoom);
        return;
    }
    s.work.ImageLoaded = 0;
    s.work.CaptureMode = 0;
    s.doc.ImagePath = stored.path;
    s.doc.PositionsFitZoom = stored.positionsFitZoom;
}

} // namespace vex
