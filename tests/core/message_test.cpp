#include "core/messages/catalogue.h"
#include "core/messages/message_format.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace vex {
namespace {

using namespace std::string_view_literals;

constexpr std::int32_t Russian = 1;
constexpr std::int32_t English = 2;

// `prefix` followed by `n` copies of `s`.
std::string repeat(std::string_view s, int n, std::string prefix = {}) {
    for (int i = 0; i < n; ++i) prefix += s;
    return prefix;
}

// How callers pass numbers: written right-adjusted into a blank field.
std::string rightAdjusted(std::string_view number) {
    return repeat(" ", 32 - static_cast<int>(number.size())) += number;
}

TEST(MessageCatalogue, PicksTheLanguageAtEachCall) {
    EXPECT_EQ(GETSS(msg::Caption, Russian), "VEXILOR - Version 1.0");
    EXPECT_EQ(GETSS(msg::Caption, English), "VEXILOR - Version 1.0");
    const char* markers[] = {"Xmin;Ymax", "Xmax;Ymax", "Xmax;Ymin", "Xmin;Ymin"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(GETSS(msg::MarkerXminYmax + i, Russian), markers[i]);
        EXPECT_EQ(GETSS(msg::MarkerXminYmax + i, English), markers[i]);
    }
    // Only 1 means Russian; 0 (never set) and anything else read as English.
    for (std::int32_t lang : {2, 0, -1, 3})
        EXPECT_EQ(GETSS(msg::ConfirmExit, lang), "Are you sure you want to close the program?");
    EXPECT_EQ(GETSS(msg::ConfirmExit, Russian), "Вы уверены, что хотите закрыть программу?");
}

TEST(MessageCatalogue, TextsKeepTheirExactForm) {
    for (std::int32_t lang : {Russian, English}) EXPECT_EQ(GETSS(1, lang), GETSS(323, lang));
    EXPECT_EQ(GETSS(msg::SaveAs, Russian), "Сохранить как");
    EXPECT_NE(GETSS(msg::PasteTooManyPoints, English).find("contains %%2  points."),
              std::string::npos);
    EXPECT_NE(GETSS(msg::PasteTooManyPoints, Russian).find("содержится %%2  точек."),
              std::string::npos);
    EXPECT_EQ(GETSS(msg::ConfirmRemoveLine, English),
              "Are you sure you want to remove the line \u2116%%1?");
}

TEST(MessageCatalogue, UnknownNumbersGiveEmptyText) {
    for (int n : {0, 2, -1, 152, 157, 311, 327, 1903, 2011}) {
        EXPECT_FALSE(messageExists(n)) << n;
        EXPECT_EQ(GETSS(n, Russian), "") << n;
        EXPECT_EQ(GETSS(n, English), "") << n;
    }
}

TEST(MessageCatalogue, EveryEntryHasBothTexts) {
    int inherited = 0; // our own texts are numbered from 2100 on
    for (int n = 0; n <= 3000; ++n) {
        if (!messageExists(n)) continue;
        if (n < 2100) ++inherited;
        for (std::int32_t lang : {Russian, English}) {
            const std::string text = GETSS(n, lang);
            ASSERT_FALSE(text.empty()) << n;
            EXPECT_NE(text.front(), ' ') << n;
            EXPECT_NE(text.back(), ' ') << n;
        }
    }
    EXPECT_EQ(inherited, 36);
}

TEST(MessageNormalise, StripsBlanksAndNulPadding) {
    EXPECT_EQ(normaliseMessageText("   3"), "3");
    EXPECT_EQ(normaliseMessageText("  12\0\0\0"sv), "12");
    EXPECT_EQ(normaliseMessageText("\0 a b \0"sv), "a b");
    EXPECT_EQ(normaliseMessageText("a\0b"sv), "a b");
    EXPECT_EQ(normaliseMessageText(" \t7\t "), "\t7\t"); // only ' ' is a blank
    EXPECT_EQ(normaliseMessageText("   "), "");
}

TEST(MessageFormat, RemoveLineQuestion) {
    EXPECT_EQ(GETWM4(msg::ConfirmRemoveLine, English, rightAdjusted("3")),
              "Are you sure you want to remove the line №3?");
    EXPECT_EQ(GETWM4(msg::ConfirmRemoveLine, Russian, rightAdjusted("3")),
              "Вы уверены, что хотите удалить линию №3?");
    EXPECT_TRUE(GETWM4(msg::ConfirmRemoveLine, English, "3\0\0\0\0"sv).ends_with("№3?"));
    EXPECT_TRUE(GETWM4(msg::ConfirmRemoveLine, English, std::string(32, ' ')).ends_with("line №?"));
}

TEST(MessageFormat, StatusBarAndClipboardTexts) {
    EXPECT_EQ(GETWM4(msg::StatusLinesMax, English, rightAdjusted("20")) +
                  GETWM4(msg::StatusPointsMax, English, rightAdjusted("200")),
              "LinesMax = 20; PointsMax = 200");
    EXPECT_EQ(GETWM4(msg::StatusLinesMax, Russian, "20") +
                  GETWM4(msg::StatusPointsMax, Russian, "200"),
              "Линий макс. = 20; Точек макс. = 200");
    EXPECT_EQ(GETWM4(msg::PasteTooManyPoints, English, "200", "250", "200"),
              "Error inserting table two-parameter dependence from the clipboard. The receiver "
              "allows a maximum of 200 points, and the clipboard contains 250  points. The number "
              "of points to insert will be reduced to 200.");
    EXPECT_EQ(GETWM4(2, English, "x"), "");
}

TEST(MessageFormat, OnlyNumberedPlaceholdersAreReplaced) {
    EXPECT_EQ(MAKEWIZEMESSAGE("  Save as  ", "x"), "Save as");
    EXPECT_EQ(MAKEWIZEMESSAGE("%%0 %%5 %%x %% 1 %1 100%%", "A", "B", "C", "D"),
              "%%0 %%5 %%x %% 1 %1 100%%");
    EXPECT_EQ(MAKEWIZEMESSAGE("%%1-%%1", " A "), "A-A");
    EXPECT_EQ(MAKEWIZEMESSAGE("%%4%%3%%2%%1", "1", "2", "3", "4"), "4321");
}

TEST(MessageFormat, EmptyArgumentRemovesItsPlaceholder) {
    EXPECT_EQ(MAKEWIZEMESSAGE("A %%1 B"), "A  B");
    EXPECT_EQ(MAKEWIZEMESSAGE("%%1 B", "   "), "B");
    EXPECT_EQ(MAKEWIZEMESSAGE("A %%3", "x"), "A");
    // What closes up around a removed placeholder is template text and is searched again.
    EXPECT_EQ(MAKEWIZEMESSAGE("%%%%11"), "");
    EXPECT_EQ(MAKEWIZEMESSAGE("%%%%11", "X"), "%%X1");
    EXPECT_EQ(MAKEWIZEMESSAGE("%%%%21", "A"), "A");
    EXPECT_EQ(MAKEWIZEMESSAGE("%%%%21", "A", "B"), "%%B1");
}

TEST(MessageFormat, ArgumentsAreInsertedLiterally) {
    EXPECT_EQ(MAKEWIZEMESSAGE("%%1", "%%1"), "%%1");
    EXPECT_EQ(MAKEWIZEMESSAGE("x%%1y", "%%2", "Z"), "x%%2y");
    EXPECT_EQ(MAKEWIZEMESSAGE("%%1 %%2", "%%2", "Z"), "%%2 Z");
    // Inserted text does not complete a placeholder with the template around it either.
    EXPECT_EQ(MAKEWIZEMESSAGE("%%11", "%%"), "%%1");
    EXPECT_EQ(MAKEWIZEMESSAGE("%%%%11", "%"), "%%%1");
}

TEST(MessageFormat, WorkingTextIsCutAt500Characters) {
    EXPECT_EQ(MAKEWIZEMESSAGE(repeat("a", 600)), repeat("a", 500));
    EXPECT_EQ(MAKEWIZEMESSAGE("%%1tail", repeat("x", 498)), repeat("x", 498) + "ta");
    // A placeholder beyond the cut is gone before it could be filled.
    EXPECT_EQ(MAKEWIZEMESSAGE(repeat("a", 499) + "%%1", "X"), repeat("a", 499) + "%");
    // Filling %%1 first pushes text right; %%2 is filled afterwards and shifts what is left.
    EXPECT_EQ(MAKEWIZEMESSAGE("%%2 %%1", repeat("a", 500), "B"), repeat("a", 496, "B "));
}

TEST(MessageFormat, CutCountsCharactersNotBytes) {
    EXPECT_EQ(MAKEWIZEMESSAGE(repeat("ж", 600)), repeat("ж", 500));
    EXPECT_EQ(MAKEWIZEMESSAGE("ab%%1", repeat("ж", 600)), repeat("ж", 498, "ab"));
    EXPECT_EQ(MAKEWIZEMESSAGE(repeat("a", 499) + "№b"), repeat("a", 499) + "№");
    // A byte that is not UTF-8 counts as one character and comes back as it was.
    EXPECT_EQ(MAKEWIZEMESSAGE(repeat("a", 600, "\xFF")), repeat("a", 499, "\xFF"));
}

} // namespace
} // namespace vex
