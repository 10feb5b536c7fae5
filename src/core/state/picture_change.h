#pragma once
// The document's picture changing under the session.

#include "core/state/app_state.h"

#include <cstdint>
#include <string>

namespace vex {

// A picture of width × height pixels opened from `path` into a view whose
// canvas size is set: it becomes the document's picture, fitted to the view;
// positions stored from now on are taken at that fitted zoom, and the
// project loses its name, so that Save asks where to write.
void takeOpenedPicture(AppState& s, const std::string& path, std::int32_t width,
                       std::int32_t height);

// No picture: no path and no size. The fitted zoom of the stored positions
// stays, as the positions do.
void forgetPicture(Document& doc);

} // namespace vex
