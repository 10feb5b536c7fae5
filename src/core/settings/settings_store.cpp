#include "core/settings/settings_store.h"

#include "core/io/number_text.h"

#include <algorithm>

namespace vex {

std::optional<SettingsStore::Values> MemorySettingsStore::values(std::string_view key) const {
    const auto it = keys_.find(key);
    if (it == keys_.end()) return std::nullopt;
    return it->second;
}

bool MemorySettingsStore::setValue(std::string_view key, std::string_view name,
                                   std::string_view data) {
    // Like the registry, a write does not create a missing key.
    const auto it = keys_.find(key);
    if (!writable_ || it == keys_.end()) return false;
    Values& values = it->second;
    const auto same = std::find_if(values.begin(), values.end(),
                                   [name](const auto& v) { return v.first == name; });
    if (same != values.end())
        same->second = std::string(data);
    else
        values.emplace_back(std::string(name), std::string(data));
    return true;
}

bool GETREGKEYDATA(const SettingsStore& store, std::string_view key, std::string_view name,
                   std::string& data, std::size_t dataLength) {
    const std::optional<SettingsStore::Values> values = store.values(key);
    if (!values) return false;
    for (const auto& [valueName, bytes] : *values) {
        if (valueName != name) continue;
        const std::size_t keep = std::min({bytes.size(), SettingsValueBufferBytes, dataLength});
        data.assign(bytes, 0, keep);
        return true;
    }
    return false;
}

bool SETREGKEYDATA(SettingsStore& store, std::string_view key, std::string_view name,
                   std::string_view data) {
    const std::size_t end = data.find_last_not_of(' ');
    return store.setValue(
        key, name, end == std::string_view::npos ? std::string_view{} : data.substr(0, end + 1));
}

std::int32_t readInterfaceLanguage(const SettingsStore& store) {
    constexpr std::size_t kLanguageText = 100;
    std::string text(kLanguageText, ' ');
    GETREGKEYDATA(store, LanguageKey, LanguageValueName, text, kLanguageText);
    // The stored text ends in a NUL, which would spoil the number: cut there.
    const std::size_t first = text.find_first_not_of(' ');
    const std::string_view value = first == std::string::npos
                                       ? std::string_view{}
                                       : cutAtFirstNul(std::string_view(text).substr(first));
    std::int32_t language = 0;
    readInteger(value, language);
    return language;
}

bool writeInterfaceLanguage(SettingsStore& store, std::int32_t language) {
    std::string data = listDirectedInteger(language);
    data += '\0';
    return SETREGKEYDATA(store, LanguageKey, LanguageValueName, data);
}

} // namespace vex
