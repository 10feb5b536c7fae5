// Any bytes as an edit box's text or a record of a file: the readers must
// neither crash nor store a value on failure.
#include "core/io/number_text.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    float real = 1.25f;
    if (!vex::readReal(text, real) && real != 1.25f) __builtin_trap();
    std::int32_t integer = -7;
    if (!vex::readInteger(text, integer) && integer != -7) __builtin_trap();
    if (size >= sizeof(float)) {
        float v;
        std::memcpy(&v, data, sizeof v);
        const std::string field = vex::realField(v);
        if (field.size() != 15) __builtin_trap();
        float back = 0.0f;
        if (v == v && !vex::readReal(field, back) && field.find("Infinity") == std::string::npos)
            __builtin_trap();
    }
    return 0;
}
