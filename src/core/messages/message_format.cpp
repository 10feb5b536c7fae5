#include "core/messages/message_format.h"

#include "core/messages/catalogue.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace vex {
namespace {

std::string_view trimBlanks(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// --- Characters -----------------------------------------------------------------------------
// The length limits count characters, so the working text is held as code points. Bytes that
// are not valid UTF-8 count as one character each and must come back unchanged; they are
// carried as lone low surrogates, which no valid UTF-8 sequence decodes to.

constexpr char32_t RawByteBase = 0xDC00;

struct Char {
    char32_t code;
    bool inserted; // came from an argument: shown as it is, never part of a placeholder
};
using Text = std::vector<Char>;

unsigned byteAt(std::string_view s, std::size_t i) {
    return static_cast<unsigned char>(s[i]);
}

// Decodes the character at the front of `s` (not empty); returns its length in bytes.
std::size_t decodeOne(std::string_view s, char32_t& code) {
    const unsigned lead = byteAt(s, 0);
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    // Lead byte: sequence length, payload bits, smallest code point it may encode
    // (anything smaller is an overlong form).
    struct Form {
        unsigned first, last;
        std::size_t length;
        unsigned mask;
        char32_t smallest;
    };
    static constexpr Form forms[] = {
        {0xC2, 0xDF, 2, 0x1F, 0x80}, {0xE0, 0xEF, 3, 0x0F, 0x800}, {0xF0, 0xF4, 4, 0x07, 0x10000}};
    std::size_t length = 0;
    char32_t smallest = 0;
    for (const Form& f : forms) {
        if (lead >= f.first && lead <= f.last) {
            length = f.length;
            code = lead & f.mask;
            smallest = f.smallest;
        }
    }
    if (length != 0 && length <= s.size()) {
        std::size_t i = 1;
        for (; i < length && (byteAt(s, i) & 0xC0u) == 0x80u; ++i)
            code = (code << 6) | (byteAt(s, i) & 0x3Fu);
        const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
        if (i == length && code >= smallest && code <= 0x10FFFF && !surrogate) return length;
    }
    code = RawByteBase + lead;
    return 1;
}

void encodeOne(char32_t c, std::string& out) {
    const auto put = [&out](char32_t byte) { out.push_back(static_cast<char>(byte)); };
    if (c >= RawByteBase + 0x80 && c <= RawByteBase + 0xFF) {
        put(c - RawByteBase);
    } else if (c < 0x80) {
        put(c);
    } else if (c < 0x800) {
        put(0xC0 | (c >> 6));
        put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        put(0xE0 | (c >> 12));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    } else {
        put(0xF0 | (c >> 18));
        put(0x80 | ((c >> 12) & 0x3F));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    }
}

// At most MessageTextLimit characters of `utf8`.
Text toText(std::string_view utf8, bool inserted) {
    Text text;
    while (!utf8.empty() && text.size() < MessageTextLimit) {
        char32_t code = 0;
        utf8.remove_prefix(decodeOne(utf8, code));
        text.push_back({code, inserted});
    }
    return text;
}

bool isBlank(const Char& c) {
    return c.code == U' ';
}

// Index one past the last non-blank character.
std::size_t endWithoutTrailingBlanks(const Text& t) {
    const auto last = std::find_if_not(t.rbegin(), t.rend(), isBlank);
    return static_cast<std::size_t>(t.rend() - last);
}

std::string toUtf8WithoutOuterBlanks(const Text& t) {
    const auto first = std::find_if_not(t.begin(), t.end(), isBlank);
    const auto last = t.begin() + static_cast<std::ptrdiff_t>(endWithoutTrailingBlanks(t));
    std::string out;
    for (auto it = first; it < last; ++it) encodeOne(it->code, out);
    return out;
}

// --- Placeholders ---------------------------------------------------------------------------

struct Placeholder {
    std::size_t position; // of the first '%'
    int argument;         // 0..3 for %%1..%%4
};

bool templateChar(const Char& c, char32_t code) {
    return !c.inserted && c.code == code;
}

// The leftmost "%%1"; failing that the leftmost "%%2", and so on.
std::optional<Placeholder> findPlaceholder(const Text& w) {
    for (int k = 0; k < 4; ++k) {
        const char32_t digit = U'1' + static_cast<char32_t>(k);
        for (std::size_t i = 0; i + 3 <= w.size(); ++i) {
            if (templateChar(w[i], U'%') && templateChar(w[i + 1], U'%') &&
                templateChar(w[i + 2], digit))
                return Placeholder{i, k};
        }
    }
    return std::nullopt;
}

} // namespace

std::string normaliseMessageText(std::string_view text) {
    std::string s(trimBlanks(text));
    std::replace(s.begin(), s.end(), '\0', ' ');
    return std::string(trimBlanks(s));
}

std::string MAKEWIZEMESSAGE(std::string_view templ, std::string_view a1, std::string_view a2,
                            std::string_view a3, std::string_view a4) {
    std::array<Text, 4> args;
    const std::array<std::string_view, 4> given{a1, a2, a3, a4};
    for (std::size_t k = 0; k < args.size(); ++k) {
        args[k] = toText(normaliseMessageText(given[k]), true);
        // The cut may leave a trailing blank, which means nothing in a text.
        args[k].resize(endWithoutTrailingBlanks(args[k]));
    }

    // Every round removes three template characters and adds only inserted ones, which are
    // never searched, so the loop ends even when an argument holds a placeholder itself.
    Text w = toText(normaliseMessageText(templ), false);
    while (const auto hit = findPlaceholder(w)) {
        const auto at = w.begin() + static_cast<std::ptrdiff_t>(hit->position);
        const auto end = w.begin() + static_cast<std::ptrdiff_t>(endWithoutTrailingBlanks(w));
        const Text& r = args[static_cast<std::size_t>(hit->argument)];
        Text next(w.begin(), at);
        next.insert(next.end(), r.begin(), r.end());
        next.insert(next.end(), at + 3, end);
        if (next.size() > MessageTextLimit) next.resize(MessageTextLimit);
        w = std::move(next);
    }
    return toUtf8WithoutOuterBlanks(w);
}

std::string GETWM4(int number, std::int32_t interfaceLanguage, std::string_view a1,
                   std::string_view a2, std::string_view a3, std::string_view a4) {
    return MAKEWIZEMESSAGE(GETSS(number, interfaceLanguage), a1, a2, a3, a4);
}

} // namespace vex
