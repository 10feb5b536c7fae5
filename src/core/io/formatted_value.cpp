#include "core/io/formatted_value.h"

#include "core/io/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <utility>

namespace vex {
namespace {

// Width of the run-time formats (F30.d, E30.d); a text that does not fit
// would be written as asterisks.
constexpr std::size_t kWidth = 30;
// The read-back target starts with this, so a failed read counts as a miss.
constexpr float kReadBackPreset = 1.2345599678E35f;

// Fortran may drop the zero before the point ("0.5" -> ".5") to make a
// number fit its field.
std::optional<std::string> fitted(std::string text) {
    if (text.size() > kWidth) {
        const std::size_t zero = text.front() == '-' ? 1 : 0;
        if (text.compare(zero, 2, "0.") == 0) text.erase(zero, 1);
    }
    if (text.size() > kWidth) return std::nullopt;
    return text;
}

std::optional<std::string> fixedNotation(float value, int decimals) {
    // Even ".ddd" alone would be too wide.
    if (static_cast<std::size_t>(decimals) + 1 > kWidth) return std::nullopt;
    char buf[80]; // sign, 39 integer digits, point, at most 29 decimals
    const auto end =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals).ptr;
    return fitted(std::string(buf, end));
}

// Fortran E editing without a scale factor: 0.d1d2...dn E+xx, n = decimals.
std::optional<std::string> exponentNotation(float value, int decimals) {
    // Even ".ddd" plus "E+xx" would be too wide.
    if (static_cast<std::size_t>(decimals) + 5 > kWidth) return std::nullopt;
    std::string text = std::signbit(value) ? "-0." : "0.";
    int exponent = 0;
    if (value == 0.0f) {
        text.append(static_cast<std::size_t>(decimals), '0');
    } else {
        char buf[48];
        const auto end = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                       std::chars_format::scientific, decimals - 1)
                             .ptr;
        const std::string_view sci(buf, static_cast<std::size_t>(end - buf));
        const std::size_t e = sci.find('e');
        for (char c : sci.substr(0, e))
            if (c != '.') text += c;
        std::from_chars(sci.data() + e + 2, end, exponent);
        if (sci[e + 1] == '-') exponent = -exponent;
        ++exponent; // d.ddd x 10^e is 0.dddd x 10^(e+1)
    }
    // A float's exponent in this form lies between -44 and +39: two digits.
    const int magnitude = std::abs(exponent);
    text += exponent < 0 ? "E-" : "E+";
    text += static_cast<char>('0' + magnitude / 10);
    text += static_cast<char>('0' + magnitude % 10);
    return fitted(std::move(text));
}

std::optional<std::string> nearestInteger(float value) {
    const float rounded = std::round(value); // halves away from zero
    if (!(rounded >= -2147483648.0f && rounded < 2147483648.0f)) return std::nullopt;
    return listDirectedInteger(static_cast<std::int32_t>(rounded));
}

bool readsBackClose(const std::string& text, float value) {
    float read = kReadBackPreset;
    readReal(text, read);
    // In single precision, like the values it checks.
    const float relative =
        2.0f * std::fabs(read - value) / (std::fabs(value) + std::fabs(read) + 0.0001f);
    return !(relative > 0.001f);
}

} // namespace

std::string WRITEFORMATTEDVALUE(int mode, int decimals, float value) {
    std::string listDirected = listDirectedReal(value);
    // Infinity and NaN have no fixed, exponent or integer form; NaN would
    // also pass the read-back check, since every comparison with it fails.
    if (mode == 0 || !std::isfinite(value)) return listDirected;

    std::optional<std::string> text;
    if (decimals >= 1)
        text = mode == 1 ? fixedNotation(value, decimals) : exponentNotation(value, decimals);
    else
        text = nearestInteger(value);
    if (!text || !readsBackClose(*text, value)) return listDirected;
    return *text;
}

} // namespace vex
