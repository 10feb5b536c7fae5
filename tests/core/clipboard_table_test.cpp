#include "core/io/clipboard_table.h"
#include "core/ui/table_commands.h"

#include "core/coords/mapping.h"
#include "core/io/number_text.h"
#include "core/messages/catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <memory>
#include <random>
#include <string>

namespace vex {
namespace {

using namespace std::string_literals;

// Lines joined with LF, as a table typed in an editor on this platform.
std::string lfText(std::initializer_list<std::string> lines) {
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += '\n';
    }
    return out;
}

UserMessage error(int number) {
    return UserMessage{number, MessageKind::Error, {}};
}

// Chart = stored position shifted: X = PixX - 50, Y = 500 - PixY.
void pixelUnitCalibration(Calibration& c) {
    c.Xmin = 0.0f;
    c.Xmax = 550.0f;
    c.Ymin = 0.0f;
    c.Ymax = 490.0f;
}

// A skewed quadrilateral, so that both directions do real work.
void skewedCalibration(Calibration& c) {
    c.placeMarkers({40.0f, 630.0f, 600.0f, 70.0f}, {20.0f, 5.0f, 480.0f, 510.0f});
    c.Xmin = -2.5f;
    c.Xmax = 1.0E4f;
    c.Ymin = 1.0E-3f;
    c.Ymax = 3.0f;
}

void setPixel(Dep2D& d, int j, int k, float x, float y) {
    d.PixX(j, k) = x;
    d.PixY(j, k) = y;
}

// Three lines of distinct points whose chart values match their positions.
std::unique_ptr<AppState> smallTableState() {
    auto s = std::make_unique<AppState>();
    Dep2D& d = s->doc;
    WorkState& w = s->work;
    d.NLines = 3;
    const int counts[3] = {3, 4, 2};
    for (int j = 1; j <= 3; ++j) {
        d.LineParam(j) = 10.0f * float(j);
        d.NPoints(j) = counts[j - 1];
        for (int k = 1; k <= counts[j - 1]; ++k) {
            setPixel(d, j, k, 60.0f + 37.0f * float(k) + float(j),
                     400.0f - 21.0f * float(k) - 3.0f * float(j));
            SOLUTION_NEWTON(s->doc, w.PerspectiveDistance, d, j, k);
        }
    }
    w.CurLine = 2;
    w.CurPoint = 3;
    s->mouse.SelectionCount = 2;
    s->mouse.Selection(1) = 3;
    s->mouse.Selection(2) = 4;
    return s;
}

TEST(ClipboardCopy, WritesTheExactBlockFromFreshChartValues) {
    auto s = std::make_unique<AppState>();
    pixelUnitCalibration(s->doc);
    Dep2D& d = s->doc;
    d.NLines = 2;
    d.LineParam(1) = -3.0f;
    d.NPoints(1) = 2;
    setPixel(d, 1, 1, 60.0f, 400.0f);
    setPixel(d, 1, 2, 160.5f, 255.0f);
    d.LineParam(2) = 2.5E-5f;
    d.NPoints(2) = 1;
    setPixel(d, 2, 1, 51.0f, 499.5f);
    d.ArgX(1, 1) = 999.0f; // stale: the copy must recompute it
    d.ValY(2, 1) = 999.0f;

    const std::string block = COPYBINARYDEP2DFROMBMP(s->doc, s->work.PerspectiveDistance);

    EXPECT_EQ(block, "Dep2D_CD\r\n"
                     "       2\r\n"
                     "-3.000000\r\n"
                     "2\r\n"
                     "10.00000\t100.0000\r\n"
                     "110.5000\t245.0000\r\n"
                     "2.5000000E-05\r\n"
                     "1\r\n"
                     "1.000000\t0.5000000\r\n"
                     "\0"s);
    EXPECT_FLOAT_EQ(d.ArgX(1, 1), 10.0f); // the recomputed values stay in the state
    EXPECT_FLOAT_EQ(d.ValY(2, 1), 0.5f);
}

TEST(ClipboardRoundTrip, FullTableComesBackToSevenFigures) {
    std::mt19937 rng(20240611);
    std::uniform_real_distribution<float> x(45.0f, 640.0f);
    std::uniform_real_distribution<float> y(0.0f, 515.0f);

    auto source = std::make_unique<AppState>();
    skewedCalibration(source->doc);
    Dep2D& d = source->doc;
    d.NLines = LinesMax;
    for (int j = 1; j <= LinesMax; ++j) {
        d.LineParam(j) = (j % 2 ? -1.2345678f : 1.2345678f) * std::pow(10.0f, float(j - 10));
        d.NPoints(j) = PointsMax;
        for (int k = 1; k <= PointsMax; ++k) setPixel(d, j, k, x(rng), y(rng));
    }
    const std::string block = COPYBINARYDEP2DFROMBMP(source->doc, source->work.PerspectiveDistance);

    auto target = smallTableState();
    static_cast<Calibration&>(target->doc) = source->doc;
    const PasteResult r =
        PASTEBINARYDEP2DFROMBMP(block, target->doc, target->work.PerspectiveDistance);

    ASSERT_TRUE(r.changed);
    EXPECT_TRUE(r.messages.empty());
    const Dep2D& t = target->doc;
    ASSERT_EQ(t.NLines, LinesMax);
    for (int j = 1; j <= LinesMax; ++j) {
        EXPECT_EQ(listDirectedReal(t.LineParam(j)), listDirectedReal(d.LineParam(j))) << j;
        ASSERT_EQ(t.NPoints(j), PointsMax) << j;
        for (int k = 1; k <= PointsMax; ++k) {
            ASSERT_EQ(listDirectedReal(t.ArgX(j, k)), listDirectedReal(d.ArgX(j, k)))
                << j << "," << k;
            ASSERT_EQ(listDirectedReal(t.ValY(j, k)), listDirectedReal(d.ValY(j, k)))
                << j << "," << k;
            // The image positions come back through the chart values.
            ASSERT_NEAR(t.PixX(j, k), d.PixX(j, k), 0.01) << j << "," << k;
            ASSERT_NEAR(t.PixY(j, k), d.PixY(j, k), 0.01) << j << "," << k;
        }
    }
}

TEST(ClipboardPaste, TakesATableTypedElsewhere) {
    auto s = smallTableState(); // three lines before
    pixelUnitCalibration(s->doc);
    const std::string text = "numbers from my editor\n"
                             "  2\n"
                             "1.5\n"
                             "3\n"
                             "0 , 1\n"
                             "  2.5\t\t-3E2 \n"
                             "1D1, 7\r\n" // a stray CR LF among LF lines
                             "-2\n"
                             "2\n"
                             "4\t5\n"
                             "6\t8"; // no line end after the last line

    const PasteResult r = PASTEBINARYDEP2DFROMBMP(text, s->doc, s->work.PerspectiveDistance);

    ASSERT_TRUE(r.changed);
    EXPECT_TRUE(r.messages.empty());
    const Dep2D& d = s->doc;
    EXPECT_EQ(d.NLines, 2);
    EXPECT_EQ(d.LineParam(1), 1.5f);
    EXPECT_EQ(d.LineParam(2), -2.0f);
    ASSERT_EQ(d.NPoints(1), 3);
    ASSERT_EQ(d.NPoints(2), 2);
    EXPECT_EQ(d.NPoints(3), 0); // slots above the pasted lines are emptied
    const float expected[5][2] = {{0, 1}, {2.5f, -300}, {10, 7}, {4, 5}, {6, 8}};
    const int at[5][2] = {{1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 2}};
    for (int i = 0; i < 5; ++i) {
        const int j = at[i][0], k = at[i][1];
        EXPECT_EQ(d.ArgX(j, k), expected[i][0]) << i;
        EXPECT_EQ(d.ValY(j, k), expected[i][1]) << i;
        EXPECT_EQ(d.PixX(j, k), expected[i][0] + 50.0f) << i;
        EXPECT_EQ(d.PixY(j, k), 500.0f - expected[i][1]) << i;
    }
}

TEST(ClipboardPaste, CutsAnOversizedLineAndReadsTheNextBlock) {
    auto s = smallTableState();
    pixelUnitCalibration(s->doc); // a chart wide enough for the pasted points
    std::string text = "Dep2D_CD\r\n       2\r\n1\r\n250\r\n";
    for (int k = 1; k <= 250; ++k) text += std::to_string(k) + "\t" + std::to_string(-k) + "\r\n";
    text += "7\r\n2\r\n0.25\t0.5\r\n0.75\t1\r\n";
    text += '\0';

    const PasteResult r = PASTEBINARYDEP2DFROMBMP(text, s->doc, s->work.PerspectiveDistance);

    ASSERT_TRUE(r.changed);
    const UserMessage warning{
        msg::PasteTooManyPoints, MessageKind::Warning, {"200", "250", "200", ""}};
    EXPECT_EQ(r.messages, std::vector<UserMessage>{warning});
    const Dep2D& d = s->doc;
    EXPECT_EQ(d.NLines, 2);
    ASSERT_EQ(d.NPoints(1), PointsMax);
    EXPECT_EQ(d.ArgX(1, 200), 200.0f);
    EXPECT_EQ(d.ValY(1, 200), -200.0f);
    EXPECT_EQ(d.LineParam(2), 7.0f);
    ASSERT_EQ(d.NPoints(2), 2);
    EXPECT_EQ(d.ArgX(2, 1), 0.25f);
    EXPECT_EQ(d.ValY(2, 2), 1.0f);
}

TEST(ClipboardPaste, EveryFailureKeepsThePreviousTable) {
    std::string oversizedThenShort = lfText({"H", "1", "1", "201"});
    for (int k = 1; k <= 200; ++k) oversizedThenShort += "1 2\n";
    const UserMessage readFailed = error(msg::ClipboardReadFailed);
    const UserMessage cut{msg::PasteTooManyPoints, MessageKind::Warning, {"200", "201", "200", ""}};

    struct Case {
        const char* what;
        std::string text;
        std::vector<UserMessage> messages;
    } cases[] = {
        {"empty", "", {error(msg::ClipboardEmpty)}},
        {"only a NUL", "\0H\n1\n1\n2\n1 2\n3 4\n"s, {error(msg::ClipboardEmpty)}},
        {"no line count", "some words", {readFailed}},
        {"line count not a number", lfText({"H", "two"}), {readFailed}},
        {"line count beyond int32", lfText({"H", "2147483648"}), {readFailed}},
        {"too many lines",
         lfText({"H", "21"}),
         {UserMessage{msg::ClipboardTooManyLines, MessageKind::Error, {"21", "20", "", ""}}}},
        {"no lines", lfText({"H", "0", "1", "2", "1 2", "3 4"}), {}},
        {"negative lines", lfText({"H", "-4"}), {}},
        {"point count 0", lfText({"H", "1", "1.0", "0"}), {readFailed}},
        {"negative point count", lfText({"H", "1", "1.0", "-5", "1 2"}), {readFailed}},
        {"parameter not a number", lfText({"H", "1", "p", "2", "1 2", "3 4"}), {readFailed}},
        {"parameter missing", lfText({"H", "1"}), {readFailed}},
        {"point line missing", lfText({"H", "1", "1.0", "3", "1 2", "3 4"}), {readFailed}},
        {"X not a number", lfText({"H", "1", "1.0", "2", "1 2", "abc 4"}), {readFailed}},
        {"Y missing", lfText({"H", "1", "1.0", "2", "1 2", "3"}), {readFailed}},
        {"decimal commas", lfText({"H", "1", "1.0", "2", "1 2", "1,5\t2,5"}), {readFailed}},
        {"X overflows", lfText({"H", "1", "1.0", "2", "1 2", "1E39 4"}), {readFailed}},
        {"parameter overflows", lfText({"H", "1", "-1E40", "2", "1 2", "3 4"}), {readFailed}},
        {"second block faulty", lfText({"H", "2", "1", "2", "1 2", "3 4", "5", "0"}), {readFailed}},
        {"NUL inside the table", "H\n1\n1\n2\n1 2\n\0003 4\n"s, {readFailed}},
        {"cut line short of its surplus", oversizedThenShort, {cut, readFailed}},
        // Stored positions that overflow, or that the inversion cannot find again.
        {"X too far for a position",
         lfText({"H", "1", "1.0", "2", "1 2", "3e38 4"}),
         {UserMessage{msg::ClipboardPointNotPlaceable,
                      MessageKind::Error,
                      {"3.0000000E+38", "4.000000", "", ""}}}},
        {"X beyond the inversion",
         lfText({"H", "1", "1.0", "2", "1e30 2", "3 4"}),
         {UserMessage{msg::ClipboardPointNotPlaceable,
                      MessageKind::Error,
                      {"1.0000000E+30", "2.000000", "", ""}}}},
    };

    for (const Case& c : cases) {
        auto s = smallTableState();
        const auto before = std::make_unique<AppState>(*s);
        const PasteResult r = PASTEBINARYDEP2DFROMBMP(c.text, s->doc, s->work.PerspectiveDistance);
        EXPECT_FALSE(r.changed) << c.what;
        EXPECT_EQ(r.messages, c.messages) << c.what;
        EXPECT_TRUE(s->doc == before->doc) << c.what;

        const PasteResult viaCommand = pasteTableCommand(c.text, *s);
        EXPECT_EQ(viaCommand.messages, c.messages) << c.what;
        EXPECT_TRUE(s->doc == before->doc) << c.what;
        EXPECT_TRUE(s->mouse == before->mouse) << c.what; // selection untouched too
    }
}

TEST(ClipboardCommands, CopyNeedsTwoPointsOnLineOne) {
    auto s = smallTableState();
    s->doc.NPoints(1) = 1; // line 2 still has 4 points
    s->doc.ArgX(2, 1) = 999.0f;
    const CopyResult refused = copyTableCommand(*s);
    EXPECT_EQ(refused.refusal, error(msg::TooFewPoints));
    EXPECT_TRUE(refused.block.empty());
    EXPECT_EQ(s->doc.ArgX(2, 1), 999.0f); // nothing was recomputed either

    s->doc.NPoints(1) = 2;
    const CopyResult copied = copyTableCommand(*s);
    EXPECT_FALSE(copied.refusal);
    EXPECT_EQ(copied.block.rfind("Dep2D_CD\r\n       3\r\n", 0), 0u);
}

TEST(ClipboardCommands, PasteGivesLinesOfOnePointTheirPreviousPoints) {
    auto s = smallTableState(); // lines of 3, 4 and 2 points
    s->doc.NLines = 2;
    s->doc.NPoints(3) = 0;
    const auto before = std::make_unique<AppState>(*s);
    const std::string text = lfText({"H", "3", "5", "2", "0.25 0.5", "0.75 0.125", //
                                     "6", "1", "0.5 0.5",                          //
                                     "7", "1", "0.5 0.5"});

    const PasteResult r = pasteTableCommand(text, *s);

    ASSERT_TRUE(r.changed);
    EXPECT_EQ(r.messages,
              (std::vector<UserMessage>{error(msg::TooFewPoints), error(msg::TooFewPoints)}));
    const Dep2D& d = s->doc;
    const WorkState& w = s->work;
    const Dep2D& old = before->doc;
    EXPECT_EQ(d.NLines, 3); // line 3 stays, empty as before, like a newly added line
    ASSERT_EQ(d.NPoints(1), 2);
    EXPECT_NEAR(d.ArgX(1, 2), 0.75f, 1e-6);
    EXPECT_NEAR(d.ValY(1, 2), 0.125f, 1e-6);
    EXPECT_EQ(d.NPoints(2), 4);
    EXPECT_EQ(d.NPoints(3), 0);
    for (int j = 2; j <= 3; ++j) {
        for (int k = 1; k <= PointSlots; ++k) {
            ASSERT_EQ(d.PixX(j, k), old.PixX(j, k)) << j << "," << k;
            ASSERT_EQ(d.PixY(j, k), old.PixY(j, k)) << j << "," << k;
            ASSERT_EQ(d.ArgX(j, k), old.ArgX(j, k)) << j << "," << k;
            ASSERT_EQ(d.ValY(j, k), old.ValY(j, k)) << j << "," << k;
        }
    }
    EXPECT_EQ(w.CurLine, 1);
    EXPECT_EQ(w.CurPoint, 1);
    EXPECT_EQ(s->mouse.SelectionCount, 1);
    EXPECT_EQ(s->mouse.Selection(1), 1);
}

} // namespace
} // namespace vex
