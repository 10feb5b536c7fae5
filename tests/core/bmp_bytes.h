#pragma once
// BMP files built byte by byte, for the tests of damaged and oversized
// pictures.
#include <cstdint>
#include <string>
#include <string_view>

namespace vex::testing {

inline void appendLittleEndian(std::string& b, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b += static_cast<char>((v >> (8 * i)) & 0xff);
}

// The file header and a 40-byte information header, with a grey palette
// of `colours` entries; the pixel data of `dataSize` bytes is to follow.
inline std::string bmpHeader(std::int32_t width, std::int32_t height, int bitCount,
                             std::uint32_t compression, std::uint32_t colours,
                             std::uint32_t dataSize) {
    const std::uint32_t offset = 14 + 40 + 4 * colours;
    std::string b = "BM";
    appendLittleEndian(b, offset + dataSize, 4);
    appendLittleEndian(b, 0, 4);
    appendLittleEndian(b, offset, 4);
    appendLittleEndian(b, 40, 4);
    appendLittleEndian(b, static_cast<std::uint32_t>(width), 4);
    appendLittleEndian(b, static_cast<std::uint32_t>(height), 4);
    appendLittleEndian(b, 1, 2);
    appendLittleEndian(b, static_cast<std::uint32_t>(bitCount), 2);
    appendLittleEndian(b, compression, 4);
    appendLittleEndian(b, dataSize, 4);
    appendLittleEndian(b, 2835, 4);
    appendLittleEndian(b, 2835, 4);
    appendLittleEndian(b, colours, 4);
    appendLittleEndian(b, 0, 4);
    for (std::uint32_t i = 0; i < colours; ++i)
        appendLittleEndian(b, (i * 255 / (colours - 1)) * 0x010101u, 4);
    return b;
}

// A BMP of `bitCount` 8 (RLE8) or 4 (RLE4) with `stream` as its pixel data;
// the header's image size is the stream's length.
inline std::string rleBmp(std::int32_t width, std::int32_t height, int bitCount,
                          std::string_view stream) {
    const auto size = static_cast<std::uint32_t>(stream.size());
    return bmpHeader(width, height, bitCount, bitCount == 8 ? 1 : 2, 1u << bitCount, size) +
           std::string(stream);
}

} // namespace vex::testing
