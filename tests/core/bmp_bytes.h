#pragma once
// Run-length compressed BMP files built byte by byte, for the tests of
// damaged and oversized pictures.
#include <cstdint>
#include <string>
#include <string_view>

namespace vex::testing {

inline void appendLittleEndian(std::string& b, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b += static_cast<char>((v >> (8 * i)) & 0xff);
}

// A BMP with a 40-byte header, `bitCount` 8 (RLE8) or 4 (RLE4), a grey
// palette and `stream` as its pixel data; the header's image size is the
// stream's length.
inline std::string rleBmp(std::int32_t width, std::int32_t height, int bitCount,
                          std::string_view stream) {
    const std::uint32_t colours = 1u << bitCount;
    const std::uint32_t offset = 14 + 40 + 4 * colours;
    std::string b = "BM";
    appendLittleEndian(b, offset + static_cast<std::uint32_t>(stream.size()), 4);
    appendLittleEndian(b, 0, 4);
    appendLittleEndian(b, offset, 4);
    appendLittleEndian(b, 40, 4);
    appendLittleEndian(b, static_cast<std::uint32_t>(width), 4);
    appendLittleEndian(b, static_cast<std::uint32_t>(height), 4);
    appendLittleEndian(b, 1, 2);
    appendLittleEndian(b, static_cast<std::uint32_t>(bitCount), 2);
    appendLittleEndian(b, bitCount == 8 ? 1 : 2, 4); // the compression
    appendLittleEndian(b, static_cast<std::uint32_t>(stream.size()), 4);
    appendLittleEndian(b, 2835, 4);
    appendLittleEndian(b, 2835, 4);
    appendLittleEndian(b, colours, 4);
    appendLittleEndian(b, 0, 4);
    for (std::uint32_t i = 0; i < colours; ++i)
        appendLittleEndian(b, (i * 255 / (colours - 1)) * 0x010101u, 4);
    b += stream;
    return b;
}

} // namespace vex::testing
