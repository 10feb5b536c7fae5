#include "core/io/bmp_check.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
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

// Nothing when the file (of fileSize bytes, b its first ones) ends inside
// the headers. A header shorter than the Windows one (other than the old
// OS/2 one) is read as the Windows one, as decoders do.
std::optional<BmpHeader> readHeader(std::string_view b, std::uint64_t fileSize) {
    if (fileSize < 18 || b.size() < 18) return std::nullopt;
    const std::uint32_t headerSize = littleEndian(b, 14, 4);
    const std::uint64_t needed =
        headerSize == kOs2HeaderSize ? kOs2HeaderSize : std::max(headerSize, kWindowsHeaderSize);
    if (fileSize < 14 + needed) return std::nullopt;
    // The fields read below lie within the Windows header.
    if (b.size() < 14 + std::min<std::uint64_t>(needed, kWindowsHeaderSize)) return std::nullopt;
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

bool bmpIsRunLength(std::string_view head) {
    // By the compression field alone, wherever the headers end: a header
    // announced longer than the head is still a run-length one.
    if (head.size() < 34 || head[0] != 'B' || head[1] != 'M') return false;
    if (littleEndian(head, 14, 4) == kOs2HeaderSize) return false;
    const std::uint32_t compression = littleEndian(head, 30, 4);
    return compression == kRle8 || compression == kRle4;
}

BmpCompleteness checkBmpCompleteness(std::string_view head, std::uint64_t fileSize) {
    if (head.size() < 2 || head[0] != 'B' || head[1] != 'M') return BmpCompleteness::Complete;
    const std::optional<BmpHeader> h = readHeader(head, fileSize);
    if (!h) return BmpCompleteness::HeaderCut;
    if (h->pixelOffset > fileSize) return BmpCompleteness::PixelDataCut;
    const std::uint64_t pixelBytes = fileSize - h->pixelOffset;

    bool complete = true; // embedded JPEG or PNG: their own decoder notices a cut
    if (h->compression == kRgb || h->compression == kBitfields ||
        h->compression == kAlphaBitfields) {
        const std::uint64_t stride = (h->width * h->bitCount + 31) / 32 * 4;
        complete = stride * h->height <= pixelBytes;
    } else if (h->compression == kRle8 || h->compression == kRle4) {
        const std::string_view pixels =
            h->pixelOffset <= head.size() ? head.substr(h->pixelOffset) : std::string_view();
        complete = runLengthStreamEnds(pixels, h->height, h->compression == kRle4);
    }
    return complete ? BmpCompleteness::Complete : BmpCompleteness::PixelDataCut;
}

BmpCompleteness checkBmpCompleteness(std::string_view b) {
    return checkBmpCompleteness(b, b.size());
}

std::optional<PlainBmpLayout> plainBmpLayout(std::string_view head) {
    constexpr std::size_t kHeaders = 14 + kWindowsHeaderSize;
    if (head.size() < kHeaders || head[0] != 'B' || head[1] != 'M') return std::nullopt;
    if (littleEndian(head, 14, 4) != kWindowsHeaderSize) return std::nullopt;
    const auto width = static_cast<std::int32_t>(littleEndian(head, 18, 4));
    const auto height = static_cast<std::int32_t>(littleEndian(head, 22, 4));
    const std::uint32_t planes = littleEndian(head, 26, 2);
    const std::uint32_t bitCount = littleEndian(head, 28, 2);
    if (planes != 1 || littleEndian(head, 30, 4) != kRgb) return std::nullopt;
    if ((bitCount != 24 && bitCount != 32) || width <= 0 || height == 0 ||
        height == std::numeric_limits<std::int32_t>::min())
        return std::nullopt;
    PlainBmpLayout layout;
    layout.width = width;
    layout.height = height < 0 ? -height : height;
    layout.bytesPerPixel = static_cast<int>(bitCount / 8);
    layout.topDown = height < 0;
    layout.pixelOffset = littleEndian(head, 10, 4);
    layout.stride = (static_cast<std::uint64_t>(width) * bitCount + 31) / 32 * 4;
    if (layout.pixelOffset < kHeaders) return std::nullopt;
    return layout;
}

} // namespace vex
