#pragma once
// A BMP whose pixel data is cut short still decodes in common image readers,
// with the missing rows left as whatever memory held. This check catches
// such files before they are decoded.

#include <string_view>

namespace vex {

// False when `bytes` is a BMP whose header is cut or whose pixel data is
// shorter than its header announces; true for complete BMPs and for
// anything that is not a BMP at all (other readers judge those).
bool bmpPixelDataComplete(std::string_view bytes);

} // namespace vex
