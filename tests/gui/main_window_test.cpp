#include "gui/app/main_window.h"

#include <gtest/gtest.h>

namespace vex {
namespace {

TEST(MainWindowStart, TitleIsTheProgramCaptionInBothLanguages) {
    MainWindow window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("VEXILOR - Version 1.0"));
    EXPECT_EQ(window.state().dep.NLines, 1);
    EXPECT_EQ(window.state().dep.LineParam(1), 1.0f);
}

} // namespace
} // namespace vex
