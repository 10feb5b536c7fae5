#pragma once
// Filling the placeholders %%1..%%4 of message texts with caller-supplied texts.
// Callers turn their numbers into text themselves, often right-adjusted in a
// blank field or read from a NUL-padded buffer; the normalising below turns such
// text into the bare value.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vex {

// Longest working text and longest inserted argument, in characters (code
// points of the UTF-8 text, never bytes).
inline constexpr std::size_t MessageTextLimit = 500;

// Removes leading and trailing blanks (' ' only), turns every NUL into a blank,
// and removes leading and trailing blanks again.
std::string normaliseMessageText(std::string_view text);

// Replaces every "%%1" of the template by a1, then every "%%2" by a2, and so on
// up to "%%4", each argument normalised first. The working text is cut to
// MessageTextLimit characters after every step. Text that came from an argument
// is never searched for placeholders, so an argument is always inserted literally.
// The result has no leading or trailing blanks.
std::string MAKEWIZEMESSAGE(std::string_view templ, std::string_view a1 = {},
                            std::string_view a2 = {}, std::string_view a3 = {},
                            std::string_view a4 = {});

// Message `number` of the catalogue in the given language, filled with a1..a4.
std::string GETWM4(int number, std::int32_t interfaceLanguage, std::string_view a1 = {},
                   std::string_view a2 = {}, std::string_view a3 = {}, std::string_view a4 = {});

} // namespace vex
