#include "core/io/project_file.h"
#include "core/messages/catalogue.h"
#include "core/state/clear_param.h"
#include "core/ui/project_routines.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace vex {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;
using namespace std::string_literals;

AppState smallKnownState() {
    AppState s;
    CLEARPARAM(s);
    Dep2D& d = s.doc;
    d.NLines = 3;
    d.NPoints(1) = 3;
    d.PixX(1, 1) = 100.25f, d.PixY(1, 1) = 200.5f;
    d.PixX(1, 2) = 1234567.0f, d.PixY(1, 2) = 0.0f;
    d.PixX(1, 3) = 1.0E-5f, d.PixY(1, 3) = -273.15f;
    d.NPoints(2) = 0; // an empty line keeps its count record and nothing else
    d.NPoints(3) = 1;
    d.PixX(3, 1) = 12.0f, d.PixY(3, 1) = 34.0f;
    d.LineParam(1) = 1.0f, d.LineParam(2) = 2.5f, d.LineParam(3) = 0.0f;
    s.doc.Xmin = -1.0f;
    s.doc.Xmax = 123456789.0f;
    s.doc.Ymin = 0.001f;
    s.doc.Ymax = 0.25f;
    s.doc.ImageWidth = 1024;
    s.doc.ImageHeight = 768;
    s.doc.ImagePath = "  /charts/plot 1.bmp"; // stored without the leading blanks
    return s;
}

// The expected bytes, written out by hand from the record layout.
const std::string kSmallProject = "    50.00000    \r\n"
                                  "    10.00000    \r\n"
                                  "    600.0000    \r\n"
                                  "    10.00000    \r\n"
                                  "    600.0000    \r\n"
                                  "    500.0000    \r\n"
                                  "    50.00000    \r\n"
                                  "    500.0000    \r\n"
                                  "            3\r\n"
                                  "            3\r\n"
                                  "    100.2500    \r\n"
                                  "    200.5000    \r\n"
                                  "    1234567.    \r\n"
                                  "    0.000000    \r\n"
                                  "   1.0000000E-05\r\n"
                                  "   -273.1500    \r\n"
                                  "            0\r\n"
                                  "            1\r\n"
                                  "    12.00000    \r\n"
                                  "    34.00000    \r\n"
                                  "   -1.000000    \r\n"
                                  // The float nearest 123456789 is 123456792: 7 figures
                                  // would read back as 123456800, so an eighth is written.
                                  "   1.2345679E+08\r\n"
                                  "   1.0000000E-03\r\n"
                                  "   0.2500000    \r\n"
                                  "         1024\r\n"
                                  "          768\r\n"
                                  "/charts/plot 1.bmp\0\r\n"
                                  "    1.000000    \r\n"
                                  "    2.500000    \r\n"
                                  "    0.000000    \r\n"s;

TEST(ProjectFile, WritesTheRecordLayoutByteForByte) {
    EXPECT_EQ(projectFileText(smallKnownState().doc), kSmallProject);

    AppState empty;
    CLEARPARAM(empty);
    const std::string text = projectFileText(empty.doc);
    // No picture: the path record is an empty line, without a NUL.
    EXPECT_NE(text.find("            0\r\n\r\n    1.000000    \r\n"), std::string::npos);
    EXPECT_EQ(text.find('\0'), std::string::npos);
}

TEST(ProjectFile, RoundTripsAtTheLimitsAndWithEmptyLines) {
    AppState s;
    CLEARPARAM(s);
    s.doc.NLines = LinesMax;
    for (int j = 1; j <= LinesMax; ++j) {
        s.doc.NPoints(j) = j % 5 == 0 ? 0 : PointsMax;
        s.doc.LineParam(j) = 0.5f * float(j);
        for (int k = 1; k <= s.doc.NPoints(j); ++k) {
            // Values that need all 7 significant figures of the layout.
            s.doc.PixX(j, k) = 12.34567f * float(k) + float(j);
            s.doc.PixY(j, k) = 0.1234567f * float(j) + 987.6543f;
        }
    }
    s.doc.ImagePath = "/data/chart.bmp";

    ProjectContent c;
    ASSERT_FALSE(parseProjectFile(projectFileText(s.doc), "p.vxr", c));
    AppState back;
    CLEARPARAM(back);
    applyProjectContent(back.doc, c);
    EXPECT_EQ(back.doc.NLines, LinesMax);
    for (int j = 1; j <= LinesMax; ++j) {
        ASSERT_EQ(back.doc.NPoints(j), s.doc.NPoints(j));
        EXPECT_EQ(back.doc.LineParam(j), s.doc.LineParam(j));
        for (int k = 1; k <= s.doc.NPoints(j); ++k) {
            EXPECT_NEAR(back.doc.PixX(j, k), s.doc.PixX(j, k), 1e-6 * std::fabs(s.doc.PixX(j, k)));
            EXPECT_NEAR(back.doc.PixY(j, k), s.doc.PixY(j, k), 1e-6 * std::fabs(s.doc.PixY(j, k)));
        }
    }
    EXPECT_EQ(static_cast<const Calibration&>(back.doc), static_cast<const Calibration&>(s.doc));
    EXPECT_EQ(back.doc.ImagePath, "/data/chart.bmp");
}

TEST(ProjectFile, LoadingKeepsWhatTheFileDoesNotHold) {
    AppState s;
    CLEARPARAM(s);
    s.work.CurLine = 1;
    s.work.CurPoint = 2;
    s.work.XGrid = 7;
    s.work.YGrid = 9;
    s.doc.LineParam(1) = 42.0f;
    // Written by the original program: no parameter records after the path.
    std::string text = kSmallProject.substr(0, kSmallProject.find("/charts"));
    text += "/charts/plot 1.bmp\0\r\n"s;
    ProjectContent c;
    ASSERT_FALSE(parseProjectFile(text, "p.vxr", c));
    EXPECT_FALSE(c.hasLineParams);
    applyProjectContent(s.doc, c);
    EXPECT_EQ(s.doc.LineParam(1), 42.0f);
    EXPECT_EQ(s.work.CurLine, 1); // still inside the loaded lines
    EXPECT_EQ(s.work.CurPoint, 2);
    EXPECT_EQ(s.work.XGrid, 7);
    EXPECT_EQ(s.work.YGrid, 9);
    EXPECT_EQ(s.doc.NLines, 3);
}

TEST(ProjectFile, LoadingFewerLinesPullsTheCurrentPositionInside) {
    // Work on point 4 of line 3, points 2 and 5 selected; then a one-line
    // project with two points is loaded.
    AppState s = smallKnownState();
    Dep2D& d = s.doc;
    WorkState& w = s.work;
    d.NPoints(3) = 5;
    w.CurLine = w.SavedLine = 3;
    w.CurPoint = 4;
    w.SavedPoint = 5;
    s.mouse.SelectionCount = 2;
    s.mouse.Selection(1) = 2, s.mouse.Selection(2) = 5;
    s.work.ImageLoaded = 0;
    TempDir dir;
    s.ProjectPath = dir.file("one line.vxr");
    writeBytes(s.ProjectPath, "50\n10\n600\n10\n600\n500\n50\n500\n"
                              "1\n2\n1\n2\n3\n4\n0\n1\n0\n1\n640\n480\nchart.bmp\n");
    ASSERT_FALSE(ReadAllProjectFilesVer001(s));
    EXPECT_EQ(s.work.ImageLoaded, -1); // the project names a picture
    // Captures and edits go to what the project holds, not to hidden slots:
    // line 1, its last point, that point alone selected.
    const std::array<std::int32_t, 6> where = {
        w.CurLine,           w.CurPoint, w.SavedLine, w.SavedPoint, s.mouse.SelectionCount,
        s.mouse.Selection(1)};
    EXPECT_EQ(where, (std::array<std::int32_t, 6>{1, 2, 1, 2, 1, 2}));
}

TEST(ProjectFile, ReadsFilesInAnyNumericFormAndLineEnd) {
    // LF only, D and E exponents, integers for reals, text after the first item,
    // a path with leading blanks and no NUL.
    const std::string text = "50\n1.0D1\n6.0E2 marker 2\n10.\n600\n500\n50\n500\n"
                             "1\n2\n1.5d2, 7\n2.5E+2\n3.25e2\n4.5E2\n"
                             "0\n1\n0\n1\n640 width\n480\n   /pics/a.bmp   \n";
    ProjectContent c;
    ASSERT_FALSE(parseProjectFile(text, "p.vxr", c));
    EXPECT_EQ(c.MarkerPixY(1), 10.0f);
    EXPECT_EQ(c.MarkerPixX(2), 600.0f);
    EXPECT_EQ(c.NLines, 1);
    EXPECT_EQ(c.NPoints(1), 2);
    EXPECT_EQ(c.PixX(1, 1), 150.0f);
    EXPECT_EQ(c.PixY(1, 2), 450.0f);
    EXPECT_EQ(c.ImageWidth, 640);
    EXPECT_EQ(c.ImagePath, "/pics/a.bmp");
}

TEST(ProjectFile, DamagedFilesAreRejectedAndLeaveTheStateAlone) {
    struct Case {
        std::string text;
        int message;
        std::string line;
    };
    const std::string head = "50\n10\n600\n10\n600\n500\n50\n500\n";
    const Case cases[] = {
        {"", msg::FileEndsEarly, "1"},
        {head.substr(0, 12), msg::FileEndsEarly, "5"},
        {head + "1\n3\n1\n2\n", msg::FileEndsEarly, "13"},
        {head + "x\n", msg::FileNotANumber, "9"},
        {head + "1.5\n", msg::FileNotANumber, "9"}, // a count must be an integer
        {head + "0\n", msg::FileCountOutOfRange, "9"},
        {head + "21\n", msg::FileCountOutOfRange, "9"},
        {head + "1\n201\n", msg::FileCountOutOfRange, "10"},
        {head + "1\n-1\n", msg::FileCountOutOfRange, "10"},
        {head + "1\n1\n1e39\n2\n", msg::FileValueNotFinite, "11"},
        {"50\n10\n600\n10\n600\n500\n50\n5OO\n", msg::FileNotANumber, "8"},
        {head + "1\n0\n-3e38\n3e38\n0\n1\n", msg::FileRangesUnusable, "11"},
        // Scales and mapping: flags this program does not know, and a
        // logarithmic X axis whose Xmin is not positive.
        {head + "1\n0\n1\n10\n1\n10\n0\n0\n\n2\n0\n8\n", msg::FileCountOutOfRange, "20"},
        {head + "1\n0\n-1\n10\n1\n10\n0\n0\n\n2\n0\n1\n", msg::FileLogarithmicRangeNotPositive,
         "11"},
    };
    for (const Case& k : cases) {
        AppState s = smallKnownState();
        const AppState before = s;
        TempDir dir;
        s.ProjectPath = dir.file("bad.vxr");
        writeBytes(s.ProjectPath, k.text);
        const std::optional<UserMessage> failure = ReadAllProjectFilesVer001(s);
        ASSERT_TRUE(failure) << k.text;
        EXPECT_EQ(failure->number, k.message) << k.text;
        EXPECT_EQ(failure->args[0], s.ProjectPath);
        EXPECT_EQ(failure->args[1], k.line) << k.text;
        EXPECT_EQ(s.doc, before.doc);
        EXPECT_EQ(s.doc, before.doc);
        EXPECT_EQ(s.doc, before.doc);
    }

    AppState s = smallKnownState();
    const AppState before = s;
    s.ProjectPath = "/nonexistent-folder/none.vxr";
    const std::optional<UserMessage> failure = ReadAllProjectFilesVer001(s);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->number, msg::FileCannotOpen);
    EXPECT_EQ(s.doc, before.doc);
}

TEST(ProjectFile, SavingReplacesTheOldFileOnlyWhenComplete) {
    TempDir dir;
    AppState s = smallKnownState();
    s.ProjectPath = dir.file("work.vxr");
    writeBytes(s.ProjectPath, "previous content");
    ASSERT_FALSE(WriteAllProjectFilesVer001(s));
    EXPECT_EQ(readBytes(s.ProjectPath), kSmallProject);

    AppState loaded;
    CLEARPARAM(loaded);
    loaded.ProjectPath = s.ProjectPath;
    ASSERT_FALSE(ReadAllProjectFilesVer001(loaded));
    EXPECT_EQ(loaded.doc.ImagePath, "/charts/plot 1.bmp");
    EXPECT_EQ(loaded.doc.NPoints(3), 1);

    // A write that cannot happen reports it and leaves no stray file behind.
    s.ProjectPath = dir.file("missing-folder/work.vxr");
    const std::optional<UserMessage> failure = WriteAllProjectFilesVer001(s);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->number, msg::FileCannotWrite);
    s.ProjectPath.clear();
    EXPECT_TRUE(WriteAllProjectFilesVer001(s));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

// A save that wrote Infinity or NaN replaced a good file with one Load refuses.
TEST(ProjectFile, AProjectThatWouldNotReadBackIsNotWritten) {
    struct Case {
        const char* what;
        void (*spoil)(AppState&);
        std::string line;
    };
    const Case cases[] = {
        {"infinite parameter", [](AppState& s) { s.doc.LineParam(2) = INFINITY; }, "29"},
        {"NaN position", [](AppState& s) { s.doc.PixY(1, 2) = NAN; }, "14"},
        {"infinite range", [](AppState& s) { s.doc.Ymax = -INFINITY; }, "24"},
        {"negative picture size", [](AppState& s) { s.doc.ImageWidth = -1; }, "25"},
        {"NUL inside the path", [](AppState& s) { s.doc.ImagePath = "a\0b.bmp"s; }, "27"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        AppState s = smallKnownState();
        c.spoil(s);
        s.ProjectPath = dir.file("work.vxr");
        writeBytes(s.ProjectPath, "previous content");
        const std::optional<UserMessage> failure = WriteAllProjectFilesVer001(s);
        ASSERT_TRUE(failure) << c.what;
        EXPECT_EQ(failure->number, msg::ProjectNotReadBack) << c.what;
        EXPECT_EQ(failure->args[0], s.ProjectPath);
        EXPECT_EQ(failure->args[1], c.line) << c.what;
        EXPECT_EQ(readBytes(s.ProjectPath), "previous content") << c.what;
    }
}

TEST(ProjectFile, RemembersTheZoomItsPositionsWereTakenAt) {
    AppState s = smallKnownState();
    s.doc.PositionsFitZoom = 0.5f;
    const std::string text = projectFileText(s.doc);
    EXPECT_EQ(text.substr(text.size() - 18), "   0.5000000    \r\n");
    ProjectContent c;
    ASSERT_FALSE(parseProjectFile(text, "p.vxr", c));
    EXPECT_EQ(c.PositionsFitZoom, 0.5f);
    EXPECT_TRUE(c.hasLineParams);
    ASSERT_FALSE(parseProjectFile(kSmallProject, "p.vxr", c));
    EXPECT_EQ(c.PositionsFitZoom, 0.0f); // not said: positions are taken as they are

    AppState loaded;
    CLEARPARAM(loaded);
    applyProjectContent(loaded.doc, c);
    const float x = loaded.doc.PixX(1, 1), marker = loaded.doc.MarkerPixY(3);
    rescaleStoredPositions(loaded.doc, 0.5f, 0.75f); // the same picture in a larger view
    EXPECT_FLOAT_EQ(loaded.doc.PixX(1, 1), 1.5f * x);
    EXPECT_FLOAT_EQ(loaded.doc.MarkerPixY(3), 1.5f * marker);
    EXPECT_EQ(loaded.doc.PositionsFitZoom, 0.75f);
    rescaleStoredPositions(loaded.doc, 0.0f, 2.0f); // unknown: nothing moves
    EXPECT_FLOAT_EQ(loaded.doc.PixX(1, 1), 1.5f * x);
}

// A zoom record of 1E-38 once multiplied every position by 10^38 on load.
TEST(ProjectFile, AZoomNoViewCouldHaveIsIgnoredAndRescalingNeverOverflows) {
    for (const char* zoom : {"1.0E-38", "1.0E-30", "2.0E+4", "0"}) {
        ProjectContent c;
        ASSERT_FALSE(parseProjectFile(kSmallProject + zoom + "\r\n", "p.vxr", c));
        EXPECT_EQ(c.PositionsFitZoom, 0.0f) << zoom;
        AppState loaded;
        CLEARPARAM(loaded);
        applyProjectContent(loaded.doc, c);
        rescaleStoredPositions(loaded.doc, loaded.doc.PositionsFitZoom, 0.8f);
        EXPECT_EQ(loaded.doc.PixX(1, 1), 100.25f) << zoom;
    }
    // The zooms a view can fit a picture at are written and read back.
    for (const float zoom : {FitZoomLowest, 1000.0f / 1200.0f, FitZoomHighest}) {
        AppState s = smallKnownState();
        s.doc.PositionsFitZoom = zoom;
        ProjectContent c;
        ASSERT_FALSE(parseProjectFile(projectFileText(s.doc), "p.vxr", c));
        EXPECT_EQ(c.PositionsFitZoom, zoom);
    }
    // Positions that a rescale would carry beyond a float stay where they are.
    AppState s = smallKnownState();
    s.doc.PixX(1, 2) = 3.0E38f;
    const Dep2D before = s.doc;
    EXPECT_FALSE(rescaleStoredPositions(s.doc, 0.5f, 1.0f));
    EXPECT_EQ(s.doc, before);
    EXPECT_EQ(s.doc.MarkerPixX(1), 50.0f);
}

// The scales and the mapping are one record after the zoom, written only when
// they are not the linear, bilinear default: every record before it is as an
// older file has it, and an older file reads as linear and bilinear.
TEST(ProjectFile, KeepsTheAxisScalesAndTheMappingInARecordOfTheirOwn) {
    for (const float zoom : {0.5f, 0.0f}) {
        AppState s = smallKnownState();
        s.doc.Xmin = 10.0f;
        s.doc.PositionsFitZoom = zoom;
        const std::string plain = projectFileText(s.doc);
        s.doc.XScale = AxisScale::Logarithmic;
        s.doc.Mapping = QuadMapping::Projective;
        const std::string text = projectFileText(s.doc);
        // An unknown zoom is written as 0 so that the flags keep their place.
        const std::string zoomRecord = zoom > 0.0f ? "" : "    0.000000    \r\n";
        EXPECT_EQ(text, plain + zoomRecord + "            5\r\n") << zoom;

        ProjectContent c;
        ASSERT_FALSE(parseProjectFile(text, "p.vxr", c));
        AppState loaded;
        CLEARPARAM(loaded);
        applyProjectContent(loaded.doc, c);
        EXPECT_EQ(loaded.doc.XScale, AxisScale::Logarithmic);
        EXPECT_EQ(loaded.doc.YScale, AxisScale::Linear);
        EXPECT_EQ(loaded.doc.Mapping, QuadMapping::Projective);
        EXPECT_EQ(loaded.doc.PositionsFitZoom, zoom);
        EXPECT_EQ(projectFileText(loaded.doc), text);

        ASSERT_FALSE(parseProjectFile(plain, "p.vxr", c));
        applyProjectContent(loaded.doc, c);
        EXPECT_EQ(loaded.doc.XScale, AxisScale::Linear);
        EXPECT_EQ(loaded.doc.Mapping, QuadMapping::Bilinear);
    }
}

TEST(ProjectFile, SaveLoadSaveGivesTheSameFileAndTheSameValues) {
    TempDir dir;
    AppState s = smallKnownState();
    // Ranges and positions with more figures than 7, and the zoom of a
    // 1200-pixel picture fitted into a 1000-pixel view.
    s.doc.Xmin = 2020.04167f;
    s.doc.Xmax = 2020.125f;
    s.doc.Ymax = 0.123456789f;
    s.doc.PixX(1, 1) = 100.0f / 3.0f;
    s.doc.MarkerPixY(2) = 10.0f / 3.0f;
    s.doc.PositionsFitZoom = 1000.0f / 1200.0f;
    s.ProjectPath = dir.file("first.vxr");
    ASSERT_FALSE(WriteAllProjectFilesVer001(s));

    AppState loaded;
    CLEARPARAM(loaded);
    loaded.ProjectPath = s.ProjectPath;
    ASSERT_FALSE(ReadAllProjectFilesVer001(loaded));
    // The picture reopens in a view of the same size, as the load command does.
    rescaleStoredPositions(loaded.doc, loaded.doc.PositionsFitZoom, s.doc.PositionsFitZoom);
    EXPECT_EQ(static_cast<const Calibration&>(loaded.doc), static_cast<const Calibration&>(s.doc));
    EXPECT_EQ(loaded.doc.PixX(1, 1), s.doc.PixX(1, 1));
    EXPECT_EQ(loaded.doc.PositionsFitZoom, s.doc.PositionsFitZoom);

    loaded.ProjectPath = dir.file("second.vxr");
    ASSERT_FALSE(WriteAllProjectFilesVer001(loaded));
    EXPECT_EQ(readBytes(loaded.ProjectPath), readBytes(s.ProjectPath));
}

TEST(ProjectFile, FindsThePictureOfAMovedProjectBesideIt) {
    TempDir dir;
    const std::string project = dir.file("moved.vxr");
    writeBytes(dir.file("chart.bmp"), "BM");
    EXPECT_EQ(resolveImagePath("/old/place/chart.bmp", project), dir.file("chart.bmp"));
    EXPECT_EQ(resolveImagePath("C:\\old\\place\\chart.bmp", project), dir.file("chart.bmp"));
    EXPECT_EQ(resolveImagePath(dir.file("chart.bmp"), "/elsewhere/p.vxr"), dir.file("chart.bmp"));
    EXPECT_EQ(resolveImagePath("/old/place/other.bmp", project), "/old/place/other.bmp");
    EXPECT_EQ(resolveImagePath("", project), "");
}

TEST(ProjectFile, ARelativePictureIsLookedForBesideTheProjectOnly) {
    TempDir project, working;
    writeBytes(project.file("chart.bmp"), "BM");
    std::filesystem::create_directories(project.path() / "pics");
    writeBytes(project.file("pics/scan.bmp"), "BM");
    // Pictures of the same names in the folder the program was started from.
    writeBytes(working.file("chart.bmp"), "BM");
    writeBytes(working.file("other.bmp"), "BM");
    struct WorkingFolder {
        std::filesystem::path previous = std::filesystem::current_path();
        explicit WorkingFolder(const std::filesystem::path& to) {
            std::filesystem::current_path(to);
        }
        ~WorkingFolder() { std::filesystem::current_path(previous); }
    } inWorking(working.path());

    const std::string p = project.file("p.vxr");
    EXPECT_EQ(resolveImagePath("chart.bmp", p), project.file("chart.bmp"));
    EXPECT_EQ(resolveImagePath("pics/scan.bmp", p), project.file("pics/scan.bmp"));
    // Not beside the project: the path names the project's folder, so that the
    // picture is reported missing instead of another one being shown.
    EXPECT_EQ(resolveImagePath("other.bmp", p), project.file("other.bmp"));
}

} // namespace
} // namespace vex
