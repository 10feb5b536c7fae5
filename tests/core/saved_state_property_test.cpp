// Whatever state the program can be brought to, a saved project reads back to
// that same state, and saving it again writes the same file. The states are
// built the way a user builds them: clicks, typed values and ranges, imported
// and pasted tables, the spline's resampling, a picture fitted into the view,
// with values drawn from everything a user might type, the absurd included.
#include "core/coords/chart_values.h"
#include "core/io/project_file.h"
#include "core/state/clear_param.h"
#include "core/ui/project_routines.h"
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
    EXPECT_EQ(a.doc.MarkerPixX, b.doc.MarkerPixX);
    EXPECT_EQ(a.doc.MarkerPixY, b.doc.MarkerPixY);
    EXPECT_EQ(a.doc.Xmin, b.doc.Xmin);
    EXPECT_EQ(a.doc.Xmax, b.doc.Xmax);
    EXPECT_EQ(a.doc.Ymin, b.doc.Ymin);
    EXPECT_EQ(a.doc.Ymax, b.doc.Ymax);
    EXPECT_EQ(static_cast<const ImageFacts&>(a.doc), static_cast<const ImageFacts&>(b.doc));
    EXPECT_EQ(a.doc.PositionsFitZoom, b.doc.PositionsFitZoom);
    ASSERT_EQ(a.doc.NLines, b.doc.NLines);
    for (int j = 1; j <= a.doc.NLines; ++j) {
        EXPECT_EQ(a.doc.LineParam(j), b.doc.LineParam(j)) << "line " << j;
        ASSERT_EQ(a.doc.NPoints(j), b.doc.NPoints(j)) << "line " << j;
        for (int k = 1; k <= a.doc.NPoints(j); ++k) {
            EXPECT_EQ(a.doc.PixX(j, k), b.doc.PixX(j, k)) << j << "," << k;
            EXPECT_EQ(a.doc.PixY(j, k), b.doc.PixY(j, k)) << j << "," << k;
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
        recomputeAllChartValues(loaded->doc, loaded->work.PerspectiveDistance);
        expectFiniteChartValues(loaded->doc);

        loaded->ProjectPath = dir.file("again.vxr");
        ASSERT_FALSE(WriteAllProjectFilesVer001(*loaded));
        EXPECT_EQ(readBytes(loaded->ProjectPath), readBytes(work->ProjectPath));
    }
}

} // namespace
} // namespace vex
