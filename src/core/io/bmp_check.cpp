#include "core/io/bmp_check.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace vex {
namespace {

std::uint32_t littleEndian(std::string_view b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    return v;
}

std::uint64_t magnitude(std::uint32_t field) {
    return static_cast<std::uint64_t>(std::llabs(static_cast<std::int32_t>(field)));
}

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kAlphaBitfields = 6;
constexpr std::uint32_t kOs2HeaderSize = 12, kWindowsHeaderSize = 40;

struct BmpHeader {
    std::uint64_t pixelOffset = 0, width = 0, height = 0, bitCount = 0;
    std::uint32_t compression = kRgb;
};

// Nothing when the file ends inside the headers. A header shorter than the
// Windows one (other than the old OS/2 one) is read as the Windows one, as
// decoders do.
std::optional<BmpHeader> readHeader(std::string_view b) {
    if (b.size() < 18) return std::nullopt;
    const std::uint32_t headerSize = littleEndian(b, 14, 4);
    const std::uint64_t needed =
        headerSize == kOs2HeaderSize ? kOs2HeaderSize : std::max(headerSize, kWindowsHeaderSize);
    if (b.size() < 14 + needed) return std::nullopt;
    BmpHeader h;
    h.pixelOffset = littleEndian(b, 10, 4);
    if (headerSize == kOs2HeaderSize) { // 16-bit sizes, never compressed
        h.width = littleEndian(b, 18, 2);
        h.height = littleEndian(b, 20, 2);
        h.bitCount = littleEndian(b, 24, 2);
        return h;
    }
    h.width = magnitude(littleEndian(b, 18, 4));
    h.height = magnitude(littleEndian(b, 22, 4));
    h.bitCount = littleEndian(b, 28, 2);
    h.compression = littleEndian(b, 30, 4);
    return h;
}

// Walks the codes of an RLE8 or RLE4 stream: true when it reaches the
// end-of-bitmap code, or moves past the last row, within `stream`.
bool runLengthStreamEnds(std::string_view stream, std::uint64_t height, bool fourBit) {
    constexpr unsigned kEndOfLine = 0, kEndOfBitmap = 1, kDelta = 2;
    std::uint64_t row = 0;
    std::size_t at = 0;
    const auto byte = [&stream](std::size_t i) { return static_cast<unsigned char>(stream[i]); };
    while (row < height) {
        if (stream.size() - at < 2) return false;
        const unsigned count = byte(at), code = byte(at + 1);
        at += 2;
        if (count > 0 || code == kEndOfLine) { // a run of one value, or the end of a row
            row += count == 0 ? 1 : 0;
            continue;
        }
        if (code == kEndOfBitmap) return true;
        // A delta moves by two bytes; an absolute run holds `code` pixels,
        // padded to a 16-bit boundary.
        const std::size_t length =
            code == kDelta ? 2 : ((fourBit ? (code + 1) / 2 : code) + 1) & ~1u;
        if (stream.size() - at < length) return false;
        if (code == kDelta) row += byte(at + 1);
        at += length;
    }
    return true;
}

} // namespace

BmpCompleteness checkBmpCompleteness(std::string_view b) {
    if (b.size() < 2 || b[0] != 'B' || b[1] != 'M') return BmpCompleteness::Complete;
    const std::optional<BmpHeader> h = readHeader(b);
    if (!h) return BmpCompleteness::HeaderCut;
    if (h->pixelOffset > b.size()) return BmpCompleteness::PixelDataCut;
    const std::string_view pixels = b.substr(h->pixelOffset);

    bool complete = true; // embedded JPEG or PNG: their own decoder notices a cut
    if (h->compression == kRgb || h->compression == kBitfields ||
        h->compression == kAlphaBitfields) {
        const std::uint64_t stride = (h->width * h->bitCount + 31) / 32 * 4;
        complete = stride * h->height <= pixels.size();
    } else if (h->compression == kRle8 || h->compression == kRle4) {
        complete = runLengthStreamEnds(pixels, h->height, h->compression == kRle4);
    }
    return complete ? BmpCompleteness::Complete : BmpCompleteness::PixelDataCut;
}

} // namespace vex
