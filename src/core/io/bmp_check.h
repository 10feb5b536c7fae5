#pragma once
// A BMP whose pixel data is cut short still decodes in common image readers,
// with the missing rows left as whatever memory held. This check catches
// such files before they are decoded.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vex {

enum class BmpCompleteness {
    Complete,    // a whole BMP, or no BMP at all (other readers judge those)
    HeaderCut,   // the file ends inside its headers
    PixelDataCut // the pixel data is shorter than the headers announce, or a
                 // run-length stream ends before its end marker and last row
};

BmpCompleteness checkBmpCompleteness(std::string_view bytes);

// The same judgement from the first bytes of a file of `fileSize` bytes:
// enough for every BMP but a run-length one, whose whole stream it needs.
inline constexpr std::size_t BmpHeadBytes = 1024;
bool bmpIsRunLength(std::string_view head);
BmpCompleteness checkBmpCompleteness(std::string_view head, std::uint64_t fileSize);

// Where the rows of an uncompressed 24- or 32-bit BMP with the common
// 40-byte header lie, for reading them straight into a picture; nothing for
// any other file, which the general decoders take.
struct PlainBmpLayout {
    std::int32_t width = 0;
    std::int32_t height = 0;
    int bytesPerPixel = 3; // 3: blue, green, red; 4: blue, green, red, unused
    bool topDown = false;  // the first row in the file is the top one
    std::uint64_t pixelOffset = 0;
    std::uint64_t stride = 0; // bytes a row, padded to four
};
std::optional<PlainBmpLayout> plainBmpLayout(std::string_view head);

} // namespace vex
