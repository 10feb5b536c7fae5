#include "core/cli/command_line.h"
#include "core/cli/toolkit_options.h"

#include <gtest/gtest.h>

namespace vex {
namespace {

using Action = CommandLine::Action;

TEST(CommandLine, ProjectPathIsTakenAsGiven) {
    const CommandLine cl = parseCommandLine({"My Charts/Plot One.vxr"});
    EXPECT_EQ(cl.action, Action::Run);
    EXPECT_EQ(cl.projectFile, "My Charts/Plot One.vxr"); // no upper-casing, blanks kept
    EXPECT_EQ(parseCommandLine({}).projectFile, "");
    EXPECT_EQ(parseCommandLine({"--", "-odd.vxr"}).projectFile, "-odd.vxr");
}

TEST(CommandLine, ScreenshotAndExportOptions) {
    CommandLine cl = parseCommandLine({"--screenshot", "shot.png", "a.vxr"});
    EXPECT_EQ(cl.action, Action::Run);
    EXPECT_EQ(cl.screenshotFile, "shot.png");
    EXPECT_EQ(cl.projectFile, "a.vxr");

    cl = parseCommandLine({"--export-table", "p.vxr", "out.dat"});
    EXPECT_EQ(cl.action, Action::ExportTable);
    EXPECT_EQ(cl.exportProject, "p.vxr");
    EXPECT_EQ(cl.exportOutput, "out.dat");

    EXPECT_EQ(parseCommandLine({"x.vxr", "--help"}).action, Action::Help);
}

TEST(CommandLine, MistakesAreReportedNotGuessed) {
    EXPECT_EQ(parseCommandLine({"--screenshot"}).action, Action::Invalid);
    EXPECT_EQ(parseCommandLine({"--export-table", "p.vxr"}).action, Action::Invalid);
    EXPECT_EQ(parseCommandLine({"a.vxr", "b.vxr"}).action, Action::Invalid);
    EXPECT_EQ(parseCommandLine({"--export-table", "p.vxr", "o.dat", "x.vxr"}).action,
              Action::Invalid);
    const CommandLine cl = parseCommandLine({"--frobnicate"});
    EXPECT_EQ(cl.action, Action::Invalid);
    EXPECT_NE(cl.error.find("--frobnicate"), std::string::npos);
}

TEST(CommandLine, APageOfAPdfAndItsResolution) {
    CommandLine cl = parseCommandLine({"sheet.pdf"});
    EXPECT_EQ(cl.pdfPage.page, 1);
    EXPECT_EQ(cl.pdfPage.dpi, 300);
    cl = parseCommandLine({"--page", "3", "--dpi", "150", "--screenshot", "s.png", "sheet.pdf"});
    EXPECT_EQ(cl.action, Action::Run);
    EXPECT_EQ(cl.projectFile, "sheet.pdf");
    EXPECT_EQ(cl.pdfPage.page, 3);
    EXPECT_EQ(cl.pdfPage.dpi, 150);

    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{"--page", "0", "a.pdf"},
          {"--page", "2x", "a.pdf"},
          {"--dpi", "5", "a.pdf"},
          {"--dpi", "100000", "a.pdf"},
          {"a.pdf", "--page"},
          {"--page", "2", "--export-csv", "p.vxr", "o.csv"}})
        EXPECT_EQ(parseCommandLine(wrong).action, Action::Invalid) << wrong[0] << " " << wrong[1];
}

// Decided before the toolkit starts, as the program does: its options and
// their values are not ours, and a value of ours may begin with a dash.
TEST(CommandLine, ToolkitOptionsAreLookedPastBeforeTheWindowStarts) {
    using Args = std::vector<std::string>;
    EXPECT_EQ(withoutToolkitOptions({"-platform", "offscreen", "--style=fusion", "-reverse",
                                     "--stylesheet", "look.qss", "chart.vxr"}),
              (Args{"chart.vxr"}));
    EXPECT_EQ(withoutToolkitOptions({"--", "-style", "x.vxr"}), (Args{"--", "-style", "x.vxr"}));

    auto early = [](const Args& args) { return parseCommandLine(withoutToolkitOptions(args)); };
    const CommandLine shot = early({"--screenshot", "-shot.png", "-platform", "xcb"});
    EXPECT_EQ(shot.action, Action::Run);
    EXPECT_EQ(shot.screenshotFile, "-shot.png");
    EXPECT_EQ(early({"-style", "fusion", "--export-table", "p.vxr", "o.dat"}).action,
              Action::ExportTable);
    EXPECT_EQ(early({"-display", ":0", "--frobnicate"}).action, Action::Invalid);
    EXPECT_EQ(early({"-geometry=800x600", "-h"}).action, Action::Help);
}

} // namespace
} // namespace vex
