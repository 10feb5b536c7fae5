// Whatever state the program can be brought to, a saved project reads back to
// that same state, and saving it again writes the same file. The states are
// built the way a user builds them: clicks, typed values and ranges, imported
// and pasted tables, the spline's resampling, a picture fitted into the view,
// with values drawn from everything a user might type, the absurd included.
#include "core/coords/chart_values.h"
#include "core/data/clear_param.h"
#include "core/io/project_file.h"
#include "temp_dir.h"
#include "user_at_work.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace vex {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::UserAtWork;

// What a project file holds, compared field by field and bit for bit.
void expectSameDocument(const AppState& a, const AppState& b) {
    EXPECT_EQ(a.cal.MarkerPixX, b.cal.MarkerPixX);
    EXPECT_EQ(a.cal.MarkerPixY, b.cal.MarkerPixY);
    EXPECT_EQ(a.cal.Xmin, b.cal.Xmin);
    EXPECT_EQ(a.cal.Xmax, b.cal.Xmax);
    EXPECT_EQ(a.cal.Ymin, b.cal.Ymin);
    EXPECT_EQ(a.cal.Ymax, b.cal.Ymax);
    EXPECT_EQ(a.image, b.image);
    EXPECT_EQ(a.view.PositionsFitZoom, b.view.PositionsFitZoom);
    ASSERT_EQ(a.dep.NLines, b.dep.NLines);
    for (int j = 1; j <= a.dep.NLines; ++j) {
        EXPECT_EQ(a.dep.LineParam(j), b.dep.LineParam(j)) << "line " << j;
        ASSERT_EQ(a.dep.NPoints(j), b.dep.NPoints(j)) << "line " << j;
        for (int k = 1; k <= a.dep.NPoints(j); ++k) {
            EXPECT_EQ(a.dep.PixX(j, k), b.dep.PixX(j, k)) << j << "," << k;
            EXPECT_EQ(a.dep.PixY(j, k), b.dep.PixY(j, k)) << j << "," << k;
        }
    }
}

void expectFiniteChartValues(const Dep2D& d) {
    for (int j = 1; j <= d.NLines; ++j)
        for (int k = 1; k <= d.NPoints(j); ++k)
            ASSERT_TRUE(std::isfinite(d.ArgX(j, k)) && std::isfinite(d.ValY(j, k)))
                << j << "," << k;
}

TEST(SavedStateProperty, EveryReachableStateReadsBackAndSavesTheSameFile) {
    TempDir dir;
    for (unsigned seed = 1; seed <= 300 && !HasFailure(); ++seed) {
        SCOPED_TRACE(seed);
        const auto work = std::make_unique<AppState>();
        CLEARPARAM(*work);
        UserAtWork user(*work, seed);
        for (int step = 0; step < 25; ++step) user.act();

        work->ProjectPath = dir.file("project.vxr");
        const std::optional<UserMessage> refused = WriteAllProjectFilesVer001(*work);
        ASSERT_FALSE(refused) << refused->text(2);

        const auto loaded = std::make_unique<AppState>();
        CLEARPARAM(*loaded);
        loaded->ProjectPath = work->ProjectPath;
        const std::optional<UserMessage> unread = ReadAllProjectFilesVer001(*loaded);
        ASSERT_FALSE(unread) << unread->text(2);
        expectSameDocument(*work, *loaded);
        recomputeAllChartValues(loaded->cal, loaded->dep);
        expectFiniteChartValues(loaded->dep);

        loaded->ProjectPath = dir.file("again.vxr");
        ASSERT_FALSE(WriteAllProjectFilesVer001(*loaded));
        EXPECT_EQ(readBytes(loaded->ProjectPath), readBytes(work->ProjectPath));
    }
}

} // namespace
} // namespace vex
