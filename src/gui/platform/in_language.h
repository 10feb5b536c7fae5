#pragma once
// A text of the window in the interface language: Russian when it is 1,
// English otherwise.

#include <QString>

#include <cstdint>

namespace vex {

inline QString inLanguage(std::int32_t language, const char* english, const char* russian) {
    return QString::fromUtf8(language == 1 ? russian : english);
}

} // namespace vex
