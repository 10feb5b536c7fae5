// Any bytes as the stored language value: reading it must neither crash nor
// overrun the caller's text, and whatever language it yields must store and
// read back as the same language.
#include "core/settings/settings_store.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string value(reinterpret_cast<const char*>(data), size);
    vex::MemorySettingsStore store;
    store.createKey(vex::LanguageKey);
    store.setValue(vex::LanguageKey, "language", "1"); // another name: never taken for it
    store.setValue(vex::LanguageKey, vex::LanguageValueName, value);

    const std::size_t length = size > 0 ? data[0] : 0;
    std::string text(length, ' ');
    if (!vex::GETREGKEYDATA(store, vex::LanguageKey, vex::LanguageValueName, text, length))
        __builtin_trap();
    if (text.size() > length || text.size() > vex::SettingsValueBufferBytes) __builtin_trap();

    const std::int32_t language = vex::readInterfaceLanguage(store);
    if (!vex::writeInterfaceLanguage(store, language)) __builtin_trap();
    if (vex::readInterfaceLanguage(store) != language) __builtin_trap();
    return 0;
}
