#pragma once
// A BMP whose pixel data is cut short still decodes in common image readers,
// with the missing rows left as whatever memory held. This check catches
// such files before they are decoded.

#include <string_view>

namespace vex {

enum class BmpCompleteness {
    Complete,    // a whole BMP, or no BMP at all (other readers judge those)
    HeaderCut,   // the file ends inside its headers
    PixelDataCut // the pixel data is shorter than the headers announce, or a
                 // run-length stream ends before its end marker and last row
};

BmpCompleteness checkBmpCompleteness(std::string_view bytes);

} // namespace vex
