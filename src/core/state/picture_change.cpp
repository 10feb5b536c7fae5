#include "core/state/picture_change.h"

#include "core/view/view_math.h"

namespace vex {

void takeOpenedPicture(AppState& s, const std::string& path, std::int32_t width,
                       std::int32_t height) {
    s.doc.ImagePath = path;
    s.PictureOnlyInMemory = false;
    s.trace.dropShown(); // traced on the picture before
    s.work.ProjectNamed = 0;
    s.work.ImageLoaded = -1;
    fitPicture(s.view, s.doc, width, height);
    s.doc.PositionsFitZoom = s.view.FitZoom;
}

void forgetPicture(Document& doc) {
    doc.ImagePath.clear();
    doc.ImageWidth = 0;
    doc.ImageHeight = 0;
}

} // namespace vex
