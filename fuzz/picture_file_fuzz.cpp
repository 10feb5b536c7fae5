// Any bytes as a picture file: the check made before a picture is decoded
// must stay inside the bytes, and its verdict must be stable: a file judged
// whole stays whole when more bytes follow it.
#include "core/io/bmp_check.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const vex::BmpCompleteness verdict = vex::checkBmpCompleteness(bytes);
    if (verdict != vex::BmpCompleteness::Complete) return 0;
    const std::string longer = std::string(bytes) + std::string(64, '\x01');
    if (vex::checkBmpCompleteness(longer) != vex::BmpCompleteness::Complete) __builtin_trap();
    return 0;
}
