// Any bytes as a picture file: the check made before a picture is decoded
// must stay inside the bytes, and its verdict must be stable: a file judged
// whole stays whole when more bytes follow it. Judged from its first
// kilobyte and its size, as a large file is, the verdict is the one the
// whole file gets; and the rows of an uncompressed BMP that is whole lie
// inside the file.
#include "core/io/bmp_check.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const vex::BmpCompleteness verdict = vex::checkBmpCompleteness(bytes);
    if (!vex::bmpIsRunLength(bytes.substr(0, vex::BmpHeadBytes)) &&
        vex::checkBmpCompleteness(bytes.substr(0, vex::BmpHeadBytes), size) != verdict)
        __builtin_trap();
    if (verdict != vex::BmpCompleteness::Complete) return 0;
    if (const std::optional<vex::PlainBmpLayout> layout = vex::plainBmpLayout(bytes)) {
        const std::uint64_t end =
            layout->pixelOffset + layout->stride * std::uint64_t(layout->height);
        if (end > size) __builtin_trap();
    }
    const std::string longer = std::string(bytes) + std::string(64, '\x01');
    if (vex::checkBmpCompleteness(longer) != vex::BmpCompleteness::Complete) __builtin_trap();
    return 0;
}
