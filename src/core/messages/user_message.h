#pragma once
// A message for the user as the core reports it: a catalogue number, the box
// it belongs in and its arguments. The window turns it into text in the
// interface language of the moment.

#include "core/messages/message_format.h"

#include <array>
#include <cstdint>
#include <string>

namespace vex {

// Warning, error and information boxes have an OK button; a question has Yes
// and No; a question with cancel also lets the user back out.
enum class MessageKind { Warning, Error, Information, Question, QuestionWithCancel };

struct UserMessage {
    int number = 0;
    MessageKind kind = MessageKind::Warning;
    std::array<std::string, 4> args{};

    std::string text(std::int32_t interfaceLanguage) const {
        return GETWM4(number, interfaceLanguage, args[0], args[1], args[2], args[3]);
    }
    friend bool operator==(const UserMessage&, const UserMessage&) = default;
};

} // namespace vex
