#include "core/ui/typed_number.h"

#include "core/io/number_text.h"
#include "core/messages/catalogue.h"

#include <cmath>

namespace vex {

TypedNumber readTypedNumber(std::string_view text) {
    TypedNumber typed;
    float value = 0.0f;
    if (!readReal(text, value)) return typed;
    if (std::isfinite(value)) {
        typed.value = value;
        return typed;
    }
    UserMessage m;
    m.number = msg::NumberTooLarge;
    m.kind = MessageKind::Warning;
    const std::string shown = trimmedBlanks(text);
    m.args[0] = shown.substr(0, shown.find_first_of(" ,/"));
    typed.refusal = std::move(m);
    return typed;
}

} // namespace vex
