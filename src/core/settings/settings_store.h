#pragma once
// The program's one persistent setting lives in a small key/value store:
// the registry on Windows, an INI file elsewhere, memory in tests. This is
// the interface and the lookup rules the program relies on.

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vex {

inline constexpr std::string_view LanguageKey = "SOFTWARE\\Classes\\VXR_File\\AppData";
inline constexpr std::string_view LanguageValueName = "Language";
inline constexpr std::size_t SettingsValueBufferBytes = 512;

class SettingsStore {
  public:
    using Values = std::vector<std::pair<std::string, std::string>>; // name, data bytes

    virtual ~SettingsStore() = default;
    // Every value of the key in storage order; nothing when the key is missing or unreadable.
    virtual std::optional<Values> values(std::string_view key) const = 0;
    // Stores data under the key; false when it could not be stored.
    virtual bool setValue(std::string_view key, std::string_view name, std::string_view data) = 0;
};

class MemorySettingsStore : public SettingsStore {
  public:
    std::optional<Values> values(std::string_view key) const override;
    bool setValue(std::string_view key, std::string_view name, std::string_view data) override;

    void createKey(std::string_view key) { keys_[std::string(key)]; }
    void setWritable(bool writable) { writable_ = writable; }

  private:
    std::map<std::string, Values, std::less<>> keys_;
    bool writable_ = true;
};

// Looks the value up by exact, case-sensitive name. When found, `data`
// becomes its bytes (at most 512, and at most `dataLength`) and true is
// returned; otherwise `data` is left exactly as the caller filled it.
bool GETREGKEYDATA(const SettingsStore& store, std::string_view key, std::string_view name,
                   std::string& data, std::size_t dataLength);

// Stores `data` without its trailing blanks; a NUL the caller appended is kept.
bool SETREGKEYDATA(SettingsStore& store, std::string_view key, std::string_view name,
                   std::string_view data);

// The interface language at start-up: 1 = Russian, anything else English;
// a missing or unreadable value gives 0 (English).
std::int32_t readInterfaceLanguage(const SettingsStore& store);
// Stores 1 or 2 as the language for the next start.
bool writeInterfaceLanguage(SettingsStore& store, std::int32_t language);

} // namespace vex
