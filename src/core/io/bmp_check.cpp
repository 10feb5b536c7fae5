#include "core/io/bmp_check.h"

#include <cstdint>
#include <cstdlib>

namespace vex {
namespace {

std::uint32_t littleEndian(std::string_view b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    return v;
}

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kAlphaBitfields = 6;

} // namespace

bool bmpPixelDataComplete(std::string_view b) {
    if (b.size() < 2 || b[0] != 'B' || b[1] != 'M') return true;
    if (b.size() < 18) return false;
    const std::uint64_t offset = littleEndian(b, 10, 4);
    const std::uint32_t headerSize = littleEndian(b, 14, 4);
    if (b.size() < 14 + static_cast<std::uint64_t>(headerSize)) return false;

    std::uint64_t width, height, bitCount;
    std::uint32_t compression = kRgb, imageSize = 0;
    if (headerSize == 12) { // the old OS/2 header with 16-bit sizes
        width = littleEndian(b, 18, 2);
        height = littleEndian(b, 20, 2);
        bitCount = littleEndian(b, 24, 2);
    } else if (headerSize >= 40) {
        width = static_cast<std::uint64_t>(
            std::llabs(static_cast<std::int32_t>(littleEndian(b, 18, 4))));
        height = static_cast<std::uint64_t>(
            std::llabs(static_cast<std::int32_t>(littleEndian(b, 22, 4))));
        bitCount = littleEndian(b, 28, 2);
        compression = littleEndian(b, 30, 4);
        imageSize = littleEndian(b, 34, 4);
    } else {
        return false;
    }

    std::uint64_t needed;
    if (compression == kRgb || compression == kBitfields || compression == kAlphaBitfields) {
        const std::uint64_t stride = (width * bitCount + 31) / 32 * 4;
        needed = stride * height;
    } else if (compression == kRle8 || compression == kRle4) {
        needed = imageSize; // run lengths make the size known only from the header
    } else {
        return true; // embedded JPEG or PNG: their own decoder notices a cut
    }
    return offset + needed <= b.size();
}

} // namespace vex
