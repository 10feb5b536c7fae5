#pragma once
// A number typed into an edit box, read as the first item of a list-directed
// read. A text that reads as a number too large for a float is refused with
// a message: stored, it would become Infinity, which no file can hold.

#include "core/messages/user_message.h"

#include <optional>
#include <string_view>

namespace vex {

struct TypedNumber {
    std::optional<float> value;         // set when the text reads as a finite number
    std::optional<UserMessage> refusal; // set when it reads but is too large
};

TypedNumber readTypedNumber(std::string_view text);

} // namespace vex
