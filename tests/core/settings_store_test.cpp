#include "core/settings/settings_store.h"

#include <gtest/gtest.h>

namespace vex {
namespace {

using namespace std::string_literals;

TEST(SettingsStore, LookupIsByExactCaseSensitiveName) {
    MemorySettingsStore store;
    store.createKey(LanguageKey);
    ASSERT_TRUE(store.setValue(LanguageKey, "Theme", "dark"));
    ASSERT_TRUE(store.setValue(LanguageKey, "language", "9"));
    ASSERT_TRUE(store.setValue(LanguageKey, "Language", "1\0"s));
    ASSERT_TRUE(store.setValue(LanguageKey, "Zoom", "2"));

    std::string data = "untouched";
    EXPECT_TRUE(GETREGKEYDATA(store, LanguageKey, "Language", data, 100));
    EXPECT_EQ(data, "1\0"s); // whatever its position among the values

    data = "untouched";
    EXPECT_FALSE(GETREGKEYDATA(store, LanguageKey, "LANGUAGE", data, 100));
    EXPECT_EQ(data, "untouched");
    EXPECT_FALSE(GETREGKEYDATA(store, "SOFTWARE\\Missing", "Language", data, 100));
    EXPECT_EQ(data, "untouched");
}

TEST(SettingsStore, LongValuesNeverOverrunTheCallersText) {
    MemorySettingsStore store;
    store.createKey(LanguageKey);
    store.setValue(LanguageKey, "Language", std::string(5000, '7'));
    std::string data;
    EXPECT_TRUE(GETREGKEYDATA(store, LanguageKey, "Language", data, 100));
    EXPECT_EQ(data, std::string(100, '7'));
    EXPECT_TRUE(GETREGKEYDATA(store, LanguageKey, "Language", data, 100000));
    EXPECT_EQ(data.size(), 512u);
}

TEST(SettingsStore, LanguageIsWrittenWithItsNulAndReadBack) {
    MemorySettingsStore store;
    store.createKey(LanguageKey);
    ASSERT_TRUE(writeInterfaceLanguage(store, 2));
    std::string raw;
    ASSERT_TRUE(GETREGKEYDATA(store, LanguageKey, LanguageValueName, raw, 100));
    EXPECT_EQ(raw, "2\0"s); // two bytes: the digit and its NUL
    EXPECT_EQ(readInterfaceLanguage(store), 2);
    ASSERT_TRUE(writeInterfaceLanguage(store, 1));
    EXPECT_EQ(readInterfaceLanguage(store), 1);

    SETREGKEYDATA(store, LanguageKey, LanguageValueName, "2   ");
    ASSERT_TRUE(GETREGKEYDATA(store, LanguageKey, LanguageValueName, raw, 100));
    EXPECT_EQ(raw, "2"); // trailing blanks are not stored
}

TEST(SettingsStore, MissingOrUnreadableLanguageMeansEnglish) {
    MemorySettingsStore store;
    EXPECT_EQ(readInterfaceLanguage(store), 0); // no key
    store.createKey(LanguageKey);
    EXPECT_EQ(readInterfaceLanguage(store), 0); // no value
    for (const std::string& value : {""s, "Russian"s, "\0001"s, "1.0"s, "  1 "s, "1,5"s}) {
        store.setValue(LanguageKey, LanguageValueName, value);
        const std::int32_t expected = value == "  1 " || value == "1,5" ? 1 : 0;
        EXPECT_EQ(readInterfaceLanguage(store), expected) << value;
    }
}

TEST(SettingsStore, AWriteThatCannotBeStoredSaysSo) {
    MemorySettingsStore store;
    EXPECT_FALSE(writeInterfaceLanguage(store, 1)); // the key is not created
    store.createKey(LanguageKey);
    store.setWritable(false);
    EXPECT_FALSE(writeInterfaceLanguage(store, 1));
    EXPECT_EQ(readInterfaceLanguage(store), 0);
}

} // namespace
} // namespace vex
