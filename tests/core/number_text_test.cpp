#include "core/io/formatted_value.h"
#include "core/io/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace vex {
namespace {

// A golden table: tab-separated, a header line, then one row per case.
struct Table {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;

    const std::string& at(const std::vector<std::string>& row, const std::string& column) const {
        for (std::size_t i = 0; i < header.size() && i < row.size(); ++i)
            if (header[i] == column) return row[i];
        static const std::string missing = "<missing column>";
        ADD_FAILURE() << "no column " << column;
        return missing;
    }
};

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> cells;
    std::istringstream in(line);
    for (std::string cell; std::getline(in, cell, '\t');) cells.push_back(cell);
    if (!line.empty() && line.back() == '\t') cells.emplace_back(); // empty last column
    return cells;
}

Table loadTable(const std::string& name) {
    const std::string path = std::string(VEXILOR_TEST_DATA_DIR "/number_text/") + name;
    Table t;
    std::ifstream in(path);
    if (!in) {
        ADD_FAILURE() << "cannot open golden table " << path;
        return t;
    }
    std::string line;
    if (std::getline(in, line)) t.header = splitTabs(line);
    while (std::getline(in, line))
        if (!line.empty()) t.rows.push_back(splitTabs(line));
    if (t.rows.empty()) ADD_FAILURE() << "golden table " << path << " has no rows";
    return t;
}

// Texts and records are wrapped in |bars| so their blanks show.
std::string unbar(const std::string& cell) {
    if (cell.size() < 2 || cell.front() != '|' || cell.back() != '|') {
        ADD_FAILURE() << "cell without bars: " << cell;
        return cell;
    }
    return cell.substr(1, cell.size() - 2);
}

std::string unescape(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        const char c = s[++i];
        if (c == 'x') {
            out += static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += c == 't' ? '\t' : c == 'r' ? '\r' : c == 'n' ? '\n' : c == '0' ? '\0' : c;
        }
    }
    return out;
}

float floatFromBits(const std::string& hex) {
    return std::bit_cast<float>(static_cast<std::uint32_t>(std::stoul(hex, nullptr, 16)));
}

// Bit patterns as the tables write them, so a failure reads like a row.
std::string bits(float v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08X", std::bit_cast<std::uint32_t>(v));
    return buf;
}

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    return first == std::string::npos ? "" : s.substr(first, s.find_last_not_of(' ') - first + 1);
}

TEST(NumberTextWrite, RealRecordsMatchGoldenTable) {
    const Table t = loadTable("write_real.tsv");
    for (const auto& row : t.rows) {
        const float v = floatFromBits(t.at(row, "bits"));
        const std::string expected = unbar(t.at(row, "record_7sig"));
        SCOPED_TRACE(t.at(row, "note") + " " + t.at(row, "bits"));
        EXPECT_EQ(realRecord(v), expected);
        EXPECT_EQ(realField(v), expected.substr(1));
        EXPECT_EQ(listDirectedReal(v), trimmed(expected));
    }
}

bool readsBackExactly(const std::string& field, float v) {
    float back = 0.0f;
    return readReal(field, back) && bits(back) == bits(v);
}

// The project file writes every real so that it reads back as the same float,
// in the 7-figure layout wherever that already does.
TEST(NumberTextWrite, ExactFieldsReadBackToTheSameFloatInTheSameLayout) {
    const Table t = loadTable("write_real.tsv");
    for (const auto& row : t.rows) {
        const float v = floatFromBits(t.at(row, "bits"));
        if (!std::isfinite(v)) continue;
        const std::string seven = unbar(t.at(row, "record_7sig")).substr(1);
        SCOPED_TRACE(t.at(row, "note") + " " + t.at(row, "bits"));
        const std::string exact = exactRealField(v);
        EXPECT_TRUE(readsBackExactly(exact, v)) << exact;
        if (readsBackExactly(seven, v)) {
            EXPECT_EQ(exact, seven);
        }
        EXPECT_EQ(exactRealRecord(v), " " + exact);
    }
    const std::pair<float, std::string> longer[] = {
        {2020.04167f, "   2020.0416   "},   {0.99999994f, "  0.99999994   "},
        {-0.123456789f, " -0.12345679   "}, {1234567.75f, "   1234567.8   "},
        {123456789.0f, "  1.2345679E+08"},  {-std::numeric_limits<float>::max(), " -3.4028235E+38"},
        {1.0f / 3.0f, "  0.33333334   "},
    };
    for (const auto& [v, field] : longer) EXPECT_EQ(exactRealField(v), field);
    // A spread over every exponent and sign, and the neighbours of each pick.
    for (std::uint64_t pattern = 0; pattern < (1ull << 32); pattern += 0x00100003) {
        for (std::uint32_t near = 0; near < 3; ++near) {
            const float v = std::bit_cast<float>(static_cast<std::uint32_t>(pattern) + near);
            if (!std::isfinite(v)) continue;
            const std::string exact = exactRealField(v);
            ASSERT_EQ(exact.size(), 15u) << bits(v);
            ASSERT_TRUE(readsBackExactly(exact, v)) << bits(v) << " |" << exact << "|";
        }
    }
}

TEST(NumberTextWrite, PointRecordsMatchGoldenTable) {
    const Table t = loadTable("write_point.tsv");
    for (const auto& row : t.rows) {
        SCOPED_TRACE(t.at(row, "note"));
        EXPECT_EQ(
            pointRecord(floatFromBits(t.at(row, "x_bits")), floatFromBits(t.at(row, "y_bits"))),
            unbar(t.at(row, "record_7sig")));
    }
}

TEST(NumberTextWrite, IntegerRecordsMatchGoldenTable) {
    const Table t = loadTable("write_int.tsv");
    for (const auto& row : t.rows) {
        SCOPED_TRACE(t.at(row, "note"));
        const std::string& value = t.at(row, "value");
        const auto v = static_cast<std::int32_t>(std::stoll(value));
        EXPECT_EQ(integerRecord(v), unbar(t.at(row, "record")));
        EXPECT_EQ(integerField(v), unbar(t.at(row, "record")).substr(1));
        EXPECT_EQ(listDirectedInteger(v), value);
    }
}

// Each text is read twice with different presets, so a failed read that
// still stores something cannot hide behind a preset that happens to match.
TEST(NumberTextRead, RealTextsFollowTheRule) {
    const Table t = loadTable("read_real.tsv");
    for (const auto& row : t.rows) {
        const std::string text = unescape(unbar(t.at(row, "text")));
        const std::string& rule = t.at(row, "rule");
        SCOPED_TRACE(t.at(row, "note") + " " + t.at(row, "text"));
        ASSERT_EQ(text.size(), std::stoul(t.at(row, "len")));
        for (const float preset : {1.2345599678E35f, -7.0f}) {
            float x = preset;
            const bool ok = readReal(text, x);
            if (rule == "UNCHANGED") {
                EXPECT_FALSE(ok);
                EXPECT_EQ(bits(x), bits(preset));
            } else {
                EXPECT_TRUE(ok);
                EXPECT_EQ(bits(x), rule);
            }
        }
    }
}

TEST(NumberTextRead, IntegerTextsFollowTheRule) {
    const Table t = loadTable("read_int.tsv");
    for (const auto& row : t.rows) {
        const std::string text = unescape(unbar(t.at(row, "text")));
        const std::string& rule = t.at(row, "rule");
        SCOPED_TRACE(t.at(row, "note") + " " + t.at(row, "text"));
        ASSERT_EQ(text.size(), std::stoul(t.at(row, "len")));
        for (const std::int32_t preset : {-999999999, 888888888}) {
            std::int32_t x = preset;
            const bool ok = readInteger(text, x);
            if (rule == "UNCHANGED") {
                EXPECT_FALSE(ok);
                EXPECT_EQ(x, preset);
            } else {
                EXPECT_TRUE(ok);
                EXPECT_EQ(x, std::stoll(rule));
            }
        }
    }
}

TEST(NumberTextRead, CutAtFirstNulLetsAStoredNumberRead) {
    const std::string_view stored("2\0", 2);
    std::int32_t language = 0;
    EXPECT_FALSE(readInteger(stored, language)); // the NUL spoils the item
    EXPECT_TRUE(readInteger(cutAtFirstNul(stored), language));
    EXPECT_EQ(language, 2);

    const std::string_view plain = " 12 34";
    EXPECT_EQ(cutAtFirstNul(plain), plain);
    const std::string leadingNul = std::string(1, '\0') + "12";
    EXPECT_EQ(cutAtFirstNul(leadingNul), "");
}

TEST(FormattedValue, IntegerFormForValuesCloseToAnInteger) {
    EXPECT_EQ(WRITEFORMATTEDVALUE(1, 0, 2.0f), "2");
    EXPECT_EQ(WRITEFORMATTEDVALUE(1, 0, 7.0f), "7");
    EXPECT_EQ(WRITEFORMATTEDVALUE(1, 0, 0.0f), "0");
    EXPECT_EQ(WRITEFORMATTEDVALUE(1, 0, 1000.4f), "1000");
    // Halves go away from zero, not to even.
    EXPECT_EQ(WRITEFORMATTEDVALUE(1, 0, 1002.5f), "1003");
    EXPECT_EQ(WRITEFORMATTEDVALUE(1, 0, -1002.5f), "-1003");
    EXPECT_EQ(WRITEFORMATTEDVALUE(1, 0, -1000.5f), "-1001");
    EXPECT_EQ(WRITEFORMATTEDVALUE(1, -3, 2147483520.0f), "2147483520");
    EXPECT_EQ(WRITEFORMATTEDVALUE(1, 0, -2147483648.0f), "-2147483648");
}

TEST(FormattedValue, FallsBackToListDirectedForm) {
    EXPECT_EQ(WRITEFORMATTEDVALUE(0, 0, 2.0f), "2.000000");
    EXPECT_EQ(WRITEFORMATTEDVALUE(1, 0, 1.5f), "1.500000");
    EXPECT_EQ(WRITEFORMATTEDVALUE(1, 0, -2.5f), "-2.500000");
    EXPECT_EQ(WRITEFORMATTEDVALUE(1, 0, 1e-5f), "1.0000000E-05");
    // Outside the int32 range there is no integer to show.
    EXPECT_EQ(WRITEFORMATTEDVALUE(1, 0, 2147483648.0f), "2.1474840E+09");
    EXPECT_EQ(WRITEFORMATTEDVALUE(1, 0, -3e9f), "-3.0000000E+09");
    EXPECT_EQ(WRITEFORMATTEDVALUE(1, 0, 1e30f), "1.0000000E+30");
    // Infinity and NaN would pass the read-back comparison untouched.
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(WRITEFORMATTEDVALUE(1, 0, inf), "Infinity");
    EXPECT_EQ(WRITEFORMATTEDVALUE(1, 0, -inf), "-Infinity");
    EXPECT_EQ(WRITEFORMATTEDVALUE(1, 0, std::numeric_limits<float>::quiet_NaN()), "NaN");
    EXPECT_EQ(WRITEFORMATTEDVALUE(2, 3, inf), "Infinity");
}

TEST(FormattedValue, FixedAndExponentFormsWithDecimals) {
    EXPECT_EQ(WRITEFORMATTEDVALUE(1, 3, 1.5f), "1.500");
    EXPECT_EQ(WRITEFORMATTEDVALUE(1, 3, -1234.5678f), "-1234.568");
    EXPECT_EQ(WRITEFORMATTEDVALUE(1, 2, 0.5f), "0.50");
    EXPECT_EQ(WRITEFORMATTEDVALUE(2, 3, 1.5f), "0.150E+01");
    EXPECT_EQ(WRITEFORMATTEDVALUE(3, 4, -1234.5678f), "-0.1235E+04");
    EXPECT_EQ(WRITEFORMATTEDVALUE(2, 3, 0.9996f), "0.100E+01"); // the carry raises the exponent
    EXPECT_EQ(WRITEFORMATTEDVALUE(2, 2, 1e-5f), "0.10E-04");
    EXPECT_EQ(WRITEFORMATTEDVALUE(2, 3, 0.0f), "0.000E+00");
    // Too few decimals to come within 0.1 %.
    EXPECT_EQ(WRITEFORMATTEDVALUE(1, 1, 0.25f), "0.2500000");
}

TEST(FormattedValue, TooWideForThirtyCharacters) {
    // The zero before the point gives way first.
    EXPECT_EQ(WRITEFORMATTEDVALUE(1, 29, 0.5f), ".50000000000000000000000000000");
    EXPECT_EQ(WRITEFORMATTEDVALUE(1, 40, 1.5f), "1.500000");
    EXPECT_EQ(WRITEFORMATTEDVALUE(2, 30, 1.5f), "1.500000");
    // A field of asterisks must not pass as the read-back preset.
    EXPECT_EQ(WRITEFORMATTEDVALUE(1, 1, 1.2345599678E35f), "1.2345600E+35");
}

} // namespace
} // namespace vex
