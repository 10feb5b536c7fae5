#include "core/io/text_table.h"
#include "core/ui/table_commands.h"

#include "core/coords/mapping.h"
#include "core/io/number_text.h"
#include "core/messages/catalogue.h"

#include <gtest/gtest.h>

#include <array>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <random>
#include <string>

namespace vex {
namespace {

namespace fs = std::filesystem;

// A folder of its own per test, removed afterwards.
class ScratchDir {
  public:
    ScratchDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "vexilor-text-table-";
        name += info->test_suite_name();
        name += '-';
        name += info->name();
        dir_ = fs::temp_directory_path() / name;
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    ~ScratchDir() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string file(const std::string& name) const { return (dir_ / name).string(); }
    std::string write(const std::string& name, const std::string& bytes) const {
        std::ofstream(file(name), std::ios::binary) << bytes;
        return file(name);
    }

  private:
    fs::path dir_;
};

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A state with data everywhere, so that any stray write shows.
AppState busyState() {
    AppState s;
    Calibration& c = s.doc;
    c.placeMarkers({83.5f, 1412.0f, 1390.25f, 61.0f}, {40.0f, 112.5f, 980.0f, 905.75f});
    c.Xmin = -3.5f;
    c.Xmax = 120.0f;
    c.Ymin = 0.001f;
    c.Ymax = 0.25f;
    Dep2D& d = s.doc;
    WorkState& w = s.work;
    d.NLines = 6;
    for (int j = 1; j <= LineSlots; ++j) {
        d.NPoints(j) = j <= 6 ? 150 + j : 0;
        d.LineParam(j) = 0.5f * static_cast<float>(j);
        for (int k = 1; k <= PointSlots; ++k) {
            d.ArgX(j, k) = static_cast<float>(j * 1000 + k);
            d.ValY(j, k) = static_cast<float>(-k);
            d.PixX(j, k) = static_cast<float>(k) + 0.25f;
            d.PixY(j, k) = static_cast<float>(j) + 0.75f;
        }
    }
    w.CurLine = 6;
    w.CurPoint = 150;
    w.SavedLine = 5;
    w.SavedPoint = 140;
    w.ImageLoaded = -1;
    s.mouse.SelectionCount = 3;
    s.mouse.Selection(1) = 148;
    s.mouse.Selection(2) = 149;
    s.mouse.Selection(3) = 150;
    return s;
}

// The value as it reads back after being written with 7 significant figures.
float sevenFigures(float v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6e", static_cast<double>(v));
    return std::strtof(text, nullptr);
}

TEST(TextTableExport, KnownStateIsByteExact) {
    Dep2D d;
    d.NLines = 2;
    d.NPoints(1) = 2;
    d.LineParam(1) = 1.5f;
    d.ArgX(1, 1) = 0.25f;
    d.ValY(1, 1) = 1e-5f;
    d.ArgX(1, 2) = 123456789.0f;
    d.ValY(1, 2) = -3.5f;
    d.NPoints(2) = 1;
    d.LineParam(2) = 20.0f;
    d.ArgX(2, 1) = 50.0f;
    d.ValY(2, 1) = 600.0f;
    d.PixX(1, 1) = 999.0f; // image positions are not part of the table
    d.NPoints(3) = 4;      // nor are lines beyond NLines

    const std::string expected = "            2\r\n"
                                 "            2\r\n"
                                 "    1.500000    \r\n"
                                 "   0.2500000      1.0000000E-05\r\n"
                                 "   1.2345680E+08  -3.500000    \r\n"
                                 "            1\r\n"
                                 "    20.00000    \r\n"
                                 "    50.00000       600.0000    \r\n";
    EXPECT_EQ(textTableText(d), expected);
}

TEST(TextTableRoundTrip, FullTableAtTheLimitsKeepsSevenFigures) {
    AppState source = busyState();
    Dep2D& d = source.doc;
    d.NLines = LinesMax;
    std::mt19937 rng(20240521);
    std::uniform_real_distribution<float> mantissa(-9.99f, 9.99f);
    std::uniform_int_distribution<int> exponent(-12, 12);
    auto anyValue = [&] { return mantissa(rng) * std::pow(10.0f, float(exponent(rng))); };
    for (int j = 1; j <= LinesMax; ++j) {
        d.NPoints(j) = PointsMax;
        d.LineParam(j) = anyValue();
        for (int k = 1; k <= PointsMax; ++k) {
            d.ArgX(j, k) = anyValue();
            d.ValY(j, k) = anyValue();
        }
    }
    // The extremes of float must survive the 7-figure text too.
    d.ArgX(1, 1) = std::numeric_limits<float>::max();
    d.ValY(1, 1) = -std::numeric_limits<float>::max();
    d.ArgX(1, 2) = std::numeric_limits<float>::denorm_min();
    d.ValY(1, 2) = -0.0f;

    ScratchDir dir;
    const std::string path = dir.file("full.dat");
    ASSERT_FALSE(Save2DepInTxt(d, path));
    EXPECT_EQ(readBytes(path), textTableText(d));

    const auto table = std::make_unique<ImportedTable>();
    const TableReadResult r = parseTextTable(readBytes(path), path, *table);
    ASSERT_FALSE(r.failure) << r.failure->text(2);
    ASSERT_EQ(r.code, TableLoaded);
    EXPECT_EQ(table->NLines, LinesMax);
    for (int j = 1; j <= LinesMax; ++j) {
        ASSERT_EQ(table->NPoints(j), PointsMax);
        EXPECT_EQ(table->LineParam(j), sevenFigures(d.LineParam(j))) << j;
        for (int k = 1; k <= PointsMax; ++k) {
            ASSERT_EQ(table->ArgX(j, k), sevenFigures(d.ArgX(j, k))) << j << "," << k;
            ASSERT_EQ(table->ValY(j, k), sevenFigures(d.ValY(j, k))) << j << "," << k;
        }
    }

    // Imported, the points get their image positions from the calibration.
    // Values far outside the chart have none, so this table is refused whole ...
    AppState target = busyState(); // same calibration, other data
    const Dep2D before = target.doc;
    const TableReadResult refused = importTableCommand(target, path);
    ASSERT_TRUE(refused.failure);
    EXPECT_EQ(refused.failure->number, msg::FilePointNotPlaceable);
    EXPECT_TRUE(target.doc == before);

    // ... while one within reach of the chart is placed point by point.
    std::uniform_real_distribution<float> across(-1.0f, 2.0f);
    for (int j = 1; j <= LinesMax; ++j) {
        for (int k = 1; k <= PointsMax; ++k) {
            d.ArgX(j, k) = source.doc.Xmin + across(rng) * (source.doc.Xmax - source.doc.Xmin);
            d.ValY(j, k) = source.doc.Ymin + across(rng) * (source.doc.Ymax - source.doc.Ymin);
        }
    }
    ASSERT_FALSE(Save2DepInTxt(d, path));
    const TableReadResult placed = importTableCommand(target, path);
    ASSERT_FALSE(placed.failure) << placed.failure->text(2);
    const Dep2D& t = target.doc;
    for (int j = 1; j <= LinesMax; ++j) {
        for (int k = 1; k <= PointsMax; ++k) {
            ASSERT_EQ(t.ArgX(j, k), sevenFigures(d.ArgX(j, k))) << j << "," << k;
            const PlanePoint p = chartToImage(target.doc, t.ArgX(j, k), t.ValY(j, k));
            ASSERT_EQ(t.PixX(j, k), static_cast<float>(p.x)) << j << "," << k;
            ASSERT_EQ(t.PixY(j, k), static_cast<float>(p.y)) << j << "," << k;
        }
    }
    for (int j = LinesMax + 1; j <= LineSlots; ++j) {
        EXPECT_EQ(t.NPoints(j), before.NPoints(j));
        EXPECT_EQ(t.LineParam(j), before.LineParam(j));
        EXPECT_EQ(t.PixX(j, 7), before.PixX(j, 7));
    }
    EXPECT_EQ(static_cast<const Calibration&>(target.doc),
              static_cast<const Calibration&>(busyState().doc));
    EXPECT_EQ(target.work.ImageLoaded, busyState().work.ImageLoaded);
}

TEST(TextTableImport, ToleratesListDirectedLayouts) {
    const std::string text = "\xEF\xBB\xBF"
                             "\n  2 extra words 99\n" // blank line first; leftovers skipped
                             "\t3\n"                  // TAB before the count
                             "1.5D0\n"                // D exponent
                             "1,2\n"                  // comma
                             "3\t4 5 6\n"             // TAB, then a value too many
                             "\n\n"                   // blank lines between reads
                             "5.\n  -6.25e1\n"        // X and Y on two lines
                             "2\r\n"                  // CR LF from here
                             "-1.0d-3 , 7,\r\n"       // leftovers after the parameter
                             "8 ,\r\n9\r\n"           // comma at the end of a record
                             "+10 ,\n 11";            // LF again, no final line end
    ImportedTable t;
    const TableReadResult r = parseTextTable(text, "t.dat", t);
    ASSERT_FALSE(r.failure) << r.failure->text(2);
    ASSERT_EQ(r.code, TableLoaded);
    ASSERT_EQ(t.NLines, 2);
    ASSERT_EQ(t.NPoints(1), 3);
    EXPECT_EQ(t.LineParam(1), 1.5f);
    EXPECT_EQ(t.ArgX(1, 1), 1.0f);
    EXPECT_EQ(t.ValY(1, 1), 2.0f);
    EXPECT_EQ(t.ArgX(1, 2), 3.0f);
    EXPECT_EQ(t.ValY(1, 2), 4.0f);
    EXPECT_EQ(t.ArgX(1, 3), 5.0f);
    EXPECT_EQ(t.ValY(1, 3), -62.5f);
    ASSERT_EQ(t.NPoints(2), 2);
    EXPECT_EQ(t.LineParam(2), -1.0e-3f);
    EXPECT_EQ(t.ArgX(2, 1), 8.0f);
    EXPECT_EQ(t.ValY(2, 1), 9.0f);
    EXPECT_EQ(t.ArgX(2, 2), 10.0f);
    EXPECT_EQ(t.ValY(2, 2), 11.0f);
}

TEST(TextTableImport, CountsAreCheckedInReadingOrder) {
    struct Case {
        const char* text;
        int code;
    } cases[] = {
        {"21\nnot read at all", TableTooManyLines}, // before any point is read
        {"99999999999\n", TableTooManyLines},       // beyond 32 bits is still too many
        {"0\n", TableTooFewLines},
        {"-99999999999\n", TableTooFewLines},
        {"1\n201\n", TableTooManyPoints}, // before the parameter is read
        {"1\n1\n", TableTooFewPoints},
        {"2\n2\n1\n0 0\n1 1\n1\n9\n", TableTooFewPoints}, // a fine line does not save it
        {"2\n1\n1\n0 0\n2\n1\n0 0\n1 1\n", TableTooFewPoints},
        {"2\n2\n1\n0 0\n1 1\n2\n1\n0 0\n1 1\n", TableLoaded}, // exactly 2 points
    };
    for (const Case& c : cases) {
        ImportedTable t;
        const TableReadResult r = parseTextTable(c.text, "t.dat", t);
        EXPECT_FALSE(r.failure) << c.text;
        EXPECT_EQ(r.code, c.code) << c.text;
    }
}

TEST(TextTableImport, DamagedFilesNameTheLine) {
    struct Case {
        const char* text;
        int number;
        const char* line;
    } cases[] = {
        {"", msg::FileEndsEarly, "1"},
        {"20\n", msg::FileEndsEarly, "2"}, // 20 lines pass the limit
        {"1\n2\n1.5\n0 0\n", msg::FileEndsEarly, "5"},
        {"1\n2\n1.5\n0 0", msg::FileEndsEarly, "5"},
        {"1\r\n2\r\n1.5\r\n0 0\r\n7\r\n", msg::FileEndsEarly, "6"}, // Y missing
        {"1\n2\n1.5\n0 0\n7 abc\n", msg::FileNotANumber, "5"},
        {"1\n2.0\n", msg::FileNotANumber, "2"}, // a count is an integer
        {"1\n2\n\n\nx\n", msg::FileNotANumber, "5"},
        {"1\n2\n1.5\n0,,1\n", msg::FileNotANumber, "4"},     // null value
        {"1\n2\n1.5\n, 0 1\n", msg::FileNotANumber, "4"},    // null value first
        {"1\n2\n1.5\n0 /\n1 1\n", msg::FileNotANumber, "4"}, // slash ends the read early
        {"1\n2\n1.5\n0 1e39\n", msg::FileValueNotFinite, "4"},
        {"1\n2\n-Infinity\n", msg::FileValueNotFinite, "3"},
        {"1\n2\n1\n0 1\nnan 1\n", msg::FileValueNotFinite, "5"},
    };
    for (const Case& c : cases) {
        ImportedTable t;
        const TableReadResult r = parseTextTable(c.text, "/data/t.dat", t);
        ASSERT_TRUE(r.failure) << c.text;
        EXPECT_EQ(r.code, TableLoaded) << c.text;
        EXPECT_EQ(r.failure->number, c.number) << c.text;
        EXPECT_EQ(r.failure->args[0], "/data/t.dat");
        EXPECT_EQ(r.failure->args[1], c.line) << c.text;
    }
}

TEST(TextTableImport, EveryRefusalLeavesTheStateAlone) {
    ScratchDir dir;
    const std::string valid = "1\n2\n1.5\n0 0\n1 1\n";
    const std::string tooLarge = valid + std::string(TextTableMaxBytes + 1 - valid.size(), ' ');
    struct Case {
        std::string path;
        int code;
        int message; // 0: none
    } cases[] = {
        {dir.write("few-points.dat", "2\n2\n1\n0 0\n1 1\n1\n"), TableTooFewPoints, 0},
        {dir.write("no-lines.dat", "0\n"), TableTooFewLines, 0},
        {dir.write("many-lines.dat", "21\n"), TableTooManyLines, 0},
        {dir.write("many-points.dat", "1\n201\n"), TableTooManyPoints, 0},
        {dir.write("early.dat", "2\n2\n1\n0 0\n1 1\n2\n1\n0 0\n"), 0, msg::FileEndsEarly},
        {dir.write("word.dat", "1\n2\n1\n0 0\nten 1\n"), 0, msg::FileNotANumber},
        {dir.write("huge.dat", "1\n2\n1\n0 0\n1e40 1\n"), 0, msg::FileValueNotFinite},
        // Stored positions that overflow, or that the inversion cannot find again.
        {dir.write("far.dat", "1\n2\n1\n0 0\n3e38 1\n"), 0, msg::FilePointNotPlaceable},
        {dir.write("beyond.dat", "1\n2\n1\n0 1e30\n1 1\n"), 0, msg::FilePointNotPlaceable},
        {dir.write("too-large.dat", tooLarge), 0, msg::FileTooLarge},
        {dir.file("missing.dat"), 0, msg::FileCannotOpen},
        {dir.file(""), 0, msg::FileCannotOpen}, // the folder itself
    };
    for (const Case& c : cases) {
        AppState s = busyState();
        const AppState before = s;
        const TableReadResult r = importTableCommand(s, c.path);
        EXPECT_EQ(r.code, c.code) << c.path;
        EXPECT_EQ(r.failure ? r.failure->number : 0, c.message) << c.path;
        EXPECT_TRUE(s.doc == before.doc) << c.path;
        EXPECT_TRUE(s.mouse == before.mouse) << c.path;
        EXPECT_TRUE(s.work == before.work) << c.path;
    }
}

TEST(TextTableImport, CurrentPositionIsPulledInsideTheNewData) {
    ScratchDir dir;
    const std::string path =
        dir.write("small.dat", "2\n3\n1\n0 0\n1 .1\n2 .2\n4\n2\n0 0\n1 .1\n2 .2\n3 .3\n");

    AppState s = busyState(); // CurLine 6 at point 150, SavedLine 5 at point 140, 3 selected
    const Dep2D before = s.doc;
    ASSERT_EQ(importTableCommand(s, path).code, TableLoaded);
    // Current line and point, saved line and point, selection count and first.
    auto where = [&s] {
        const WorkState& w = s.work;
        return std::array<std::int32_t, 6>{
            w.CurLine,           w.CurPoint, w.SavedLine, w.SavedPoint, s.mouse.SelectionCount,
            s.mouse.Selection(1)};
    };
    EXPECT_EQ(s.doc.NLines, 2);
    EXPECT_EQ(where(), (std::array<std::int32_t, 6>{2, 4, 2, 4, 1, 4}));
    // Slots above the new line count keep what they held.
    EXPECT_EQ(s.doc.NPoints(6), before.NPoints(6));
    EXPECT_EQ(s.doc.ArgX(3, 1), before.ArgX(3, 1));
    EXPECT_EQ(s.doc.PixX(2, 5), before.PixX(2, 5));

    // A position and selection still inside the data stay as they are.
    s = busyState();
    s.work.CurLine = 1;
    s.work.CurPoint = 2;
    s.work.SavedLine = 2;
    s.work.SavedPoint = 3;
    s.mouse.SelectionCount = 2;
    s.mouse.Selection(1) = 3;
    s.mouse.Selection(2) = 2;
    ASSERT_EQ(importTableCommand(s, path).code, TableLoaded);
    EXPECT_EQ(where(), (std::array<std::int32_t, 6>{1, 2, 2, 3, 2, 3}));
}

TEST(TextTableExport, FailedWriteIsReported) {
    ScratchDir dir;
    const auto failure = Save2DepInTxt(Dep2D{}, dir.file("no-such-folder/t.dat"));
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->number, msg::FileCannotWrite);
}

TEST(TextTableImport, CodesBecomeTheirWarnings) {
    EXPECT_EQ(importCodeMessage(TableTooFewPoints)->number, msg::ExportTooFewPoints);
    EXPECT_EQ(importCodeMessage(TableTooFewLines)->number, msg::ExportTooFewLines);
    EXPECT_NE(importCodeMessage(TableTooManyLines)->text(2).find("limit(20)."), std::string::npos);
    EXPECT_NE(importCodeMessage(TableTooManyPoints)->text(2).find("limit(200)."),
              std::string::npos);
    EXPECT_FALSE(importCodeMessage(TableLoaded));
    EXPECT_FALSE(importCodeMessage(5));
}

} // namespace
} // namespace vex
