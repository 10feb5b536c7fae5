#include "core/io/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <system_error>

namespace vex {
namespace {

constexpr std::size_t kIntegerWidth = 12;
constexpr std::size_t kRealWidth = 15;
constexpr std::size_t kFixedWidth = 11; // the fixed form leaves 4 blanks after it
constexpr int kSignificant = 7;

std::string rightAligned(std::string_view text, std::size_t width) {
    std::string out;
    if (text.size() < width) out.assign(width - text.size(), ' ');
    out += text;
    return out;
}

std::string fixedForm(std::string_view number) {
    return rightAligned(number, kFixedWidth) + std::string(kRealWidth - kFixedWidth, ' ');
}

// Every record starts with one blank. Built by appending, because
// `" " + std::string` trips a false -Wrestrict in GCC 12.
std::string record(std::initializer_list<std::string> fields) {
    std::string out = " ";
    for (const std::string& f : fields) out += f;
    return out;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view leadingDigits(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < text.size() && isDigit(text[pos])) ++pos;
    return text.substr(start, pos - start);
}

// Blanks before the item are skipped; a blank, comma or slash ends it.
std::string_view firstItem(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return {};
    text.remove_prefix(start);
    return text.substr(0, text.find_first_of(" ,/"));
}

struct RealItem {
    bool negative = false;
    std::string_view whole;    // digits before the point
    std::string_view fraction; // digits after it
    bool exponentNegative = false;
    std::string_view exponent; // empty when there is no exponent part
};

bool scanReal(std::string_view item, RealItem& r) {
    std::size_t pos = 0;
    if (pos < item.size() && (item[pos] == '+' || item[pos] == '-'))
        r.negative = item[pos++] == '-';
    r.whole = leadingDigits(item, pos);
    if (pos < item.size() && item[pos] == '.') {
        ++pos;
        r.fraction = leadingDigits(item, pos);
    }
    if (r.whole.empty() && r.fraction.empty()) return false;
    if (pos < item.size()) {
        const char letter = item[pos];
        if (letter != 'E' && letter != 'e' && letter != 'D' && letter != 'd') return false;
        ++pos;
        if (pos < item.size() && (item[pos] == '+' || item[pos] == '-'))
            r.exponentNegative = item[pos++] == '-';
        r.exponent = leadingDigits(item, pos);
        if (r.exponent.empty()) return false;
    }
    return pos == item.size();
}

// Decimal exponent of the first significant digit; only its sign matters to
// the caller, so a huge written exponent is clamped.
long long leadingMagnitude(const RealItem& r) {
    constexpr long long clamp = 1'000'000'000;
    long long exponent = 0;
    for (char c : r.exponent) exponent = std::min(exponent * 10 + (c - '0'), clamp);
    if (r.exponentNegative) exponent = -exponent;

    const std::size_t nonZero = r.whole.find_first_not_of('0');
    if (nonZero != std::string_view::npos)
        return static_cast<long long>(r.whole.size() - nonZero) - 1 + exponent;
    const std::size_t fractionNonZero = r.fraction.find_first_not_of('0');
    if (fractionNonZero == std::string_view::npos) return -clamp; // the number is zero
    return -static_cast<long long>(fractionNonZero) - 1 + exponent;
}

} // namespace

std::string integerField(std::int32_t v) {
    return rightAligned(listDirectedInteger(v), kIntegerWidth);
}

namespace {

// Decimal exponent of the first figure of v rounded to `figures` significant figures.
int roundedExponent(float v, int figures) {
    char sci[32];
    const auto end =
        std::to_chars(sci, sci + sizeof sci, v, std::chars_format::scientific, figures - 1).ptr;
    const std::string_view text(sci, static_cast<std::size_t>(end - sci));
    const std::size_t e = text.find('e');
    int exponent = 0;
    std::from_chars(text.data() + e + 2, end, exponent);
    return text[e + 1] == '-' ? -exponent : exponent;
}

// The field with `figures` (7 to 9) significant figures. The form follows the
// 7-figure rounding, and so does the column the number starts in: figures
// beyond the seventh take up the blanks after the fixed form, or the 0 and
// then one more column of the exponent form.
std::string fieldWithFigures(float v, int figures) {
    if (std::isnan(v)) return rightAligned("NaN", kRealWidth);
    if (std::isinf(v)) return rightAligned(v < 0 ? "-Infinity" : "Infinity", kRealWidth);
    // Zero has no first significant figure; it is written with 6 decimals.
    if (v == 0.0f) return fixedForm(std::signbit(v) ? "-0.000000" : "0.000000");

    // Rounding to 7 figures first decides the form: 9999999.5 rounds to 1E7
    // and is therefore written in the exponent form.
    const int exponent = roundedExponent(v, kSignificant);
    const int extra = figures - kSignificant;
    if (exponent >= -1 && exponent < kSignificant) {
        const int decimals = kSignificant - 1 - exponent + extra;
        char fix[32];
        char* fixEnd =
            std::to_chars(fix, fix + sizeof fix - 1, v, std::chars_format::fixed, decimals).ptr;
        if (decimals == 0) *fixEnd++ = '.'; // the point stays, as in "1234568."
        const std::string text =
            rightAligned(std::string_view(fix, static_cast<std::size_t>(fixEnd - fix)),
                         kFixedWidth + static_cast<std::size_t>(extra));
        return text + std::string(kRealWidth - text.size(), ' ');
    }
    char sci[32];
    const auto sciEnd =
        std::to_chars(sci, sci + sizeof sci, v, std::chars_format::scientific, figures - 1).ptr;
    const std::string_view scientific(sci, static_cast<std::size_t>(sciEnd - sci));
    const std::size_t e = scientific.find('e');
    // Seven figures after the point, the eighth 0 when only 7 are meant: "1.0000000E-05".
    std::string text(scientific.substr(0, e));
    if (extra == 0) text += '0';
    text += 'E';
    text += scientific.substr(e + 1);
    return rightAligned(text, kRealWidth);
}

bool readsBackAs(const std::string& field, float v) {
    float back = 0.0f;
    return readReal(field, back) && back == v && std::signbit(back) == std::signbit(v);
}

} // namespace

std::string realField(float v) {
    return fieldWithFigures(v, kSignificant);
}

std::string exactRealField(float v) {
    // Nine significant figures tell every two floats apart.
    constexpr int kDistinguishing = 9;
    for (int figures = kSignificant; figures < kDistinguishing; ++figures) {
        std::string field = fieldWithFigures(v, figures);
        if (!std::isfinite(v) || readsBackAs(field, v)) return field;
    }
    return fieldWithFigures(v, kDistinguishing);
}

std::string integerRecord(std::int32_t v) {
    return record({integerField(v)});
}

std::string realRecord(float v) {
    return record({realField(v)});
}

std::string exactRealRecord(float v) {
    return record({exactRealField(v)});
}

std::string pointRecord(float x, float y) {
    return record({realField(x), realField(y)});
}

std::string listDirectedReal(float v) {
    return trimmedBlanks(realField(v));
}

std::string listDirectedInteger(std::int32_t v) {
    char buf[16];
    const auto end = std::to_chars(buf, buf + sizeof buf, v).ptr;
    return std::string(buf, end);
}

bool readReal(std::string_view text, float& out) {
    RealItem r;
    if (!scanReal(firstItem(text), r)) return false;

    // from_chars takes neither a leading '+' nor the letter D; give it a
    // plain form of the same number.
    std::string plain;
    plain.reserve(r.whole.size() + r.fraction.size() + r.exponent.size() + 6);
    if (r.negative) plain += '-';
    plain += r.whole.empty() ? std::string_view("0") : r.whole;
    if (!r.fraction.empty()) {
        plain += '.';
        plain += r.fraction;
    }
    if (!r.exponent.empty()) {
        plain += r.exponentNegative ? "e-" : "e";
        plain += r.exponent;
    }

    float value = 0.0f;
    const char* end = plain.data() + plain.size();
    const auto [ptr, ec] = std::from_chars(plain.data(), end, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // The result rounds to zero or beyond the largest float, and from_chars
        // leaves it to us: which one follows from the decimal magnitude alone.
        value = leadingMagnitude(r) >= 0 ? std::numeric_limits<float>::infinity() : 0.0f;
        if (r.negative) value = -value;
    } else if (ec != std::errc() || ptr != end) {
        return false;
    }
    out = value;
    return true;
}

bool readInteger(std::string_view text, std::int32_t& out) {
    std::string_view item = firstItem(text);
    const bool hasSign = !item.empty() && (item.front() == '+' || item.front() == '-');
    std::size_t pos = hasSign ? 1 : 0;
    if (leadingDigits(item, pos).empty() || pos != item.size()) return false;
    // from_chars takes a '-' but not a '+'.
    if (item.front() == '+') item.remove_prefix(1);

    std::int32_t value = 0;
    const char* end = item.data() + item.size();
    const auto [ptr, ec] = std::from_chars(item.data(), end, value);
    if (ec != std::errc() || ptr != end) return false;
    out = value;
    return true;
}

std::string trimmedBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string_view cutAtFirstNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

} // namespace vex
