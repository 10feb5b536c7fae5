// The history's steps: whatever a user does, stepping back through the
// steps gives every earlier document again, bit for bit, and stepping
// forward every later one, while each step keeps only what its edit changed.
#include "core/document/document_step.h"
#include "core/state/app_state.h"
#include "core/state/clear_param.h"
#include "user_at_work.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace vex {
namespace {

TEST(DocumentStep, StepsBackAndForthThroughEverythingAUserDid) {
    for (unsigned seed = 1; seed <= 60 && !HasFailure(); ++seed) {
        SCOPED_TRACE(seed);
        const auto work = std::make_unique<AppState>();
        CLEARPARAM(*work);
        testing::UserAtWork user(*work, seed);
        std::vector<Document> documents{work->doc};
        std::vector<DocumentStep> steps;
        for (int act = 0; act < 20; ++act) {
            user.act();
            Document now = work->doc;
            if (auto step = DocumentStep::between(documents.back(), now)) {
                steps.push_back(std::move(*step));
                documents.push_back(std::move(now));
            }
        }
        ASSERT_GE(steps.size(), 5u);

        Document doc = documents.back();
        for (std::size_t i = steps.size(); i-- > 0;) {
            steps[i].swapWith(doc);
            ASSERT_TRUE(doc == documents[i]) << "back to " << i;
        }
        for (std::size_t i = 0; i < steps.size(); ++i) {
            steps[i].swapWith(doc);
            ASSERT_TRUE(doc == documents[i + 1]) << "forward to " << i + 1;
        }
    }
}

TEST(DocumentStep, KeepsOnlyWhatTheEditChanged) {
    Document full;
    full.NLines = LinesMax;
    for (int j = 1; j <= LinesMax; ++j) {
        full.NPoints(j) = PointsMax;
        for (int k = 1; k <= PointsMax; ++k) {
            full.PixX(j, k) = static_cast<float>(k);
            full.PixY(j, k) = static_cast<float>(j);
        }
    }
    EXPECT_FALSE(DocumentStep::between(full, full));

    Document moved = full;
    moved.PixX(7, 150) += 3.0f;
    const std::optional<DocumentStep> onePoint = DocumentStep::between(full, moved);
    ASSERT_TRUE(onePoint);
    EXPECT_LT(onePoint->bytes(), 1024u);

    // A picture opened after the step stays when the step is undone.
    Document onAnotherPicture = moved;
    onAnotherPicture.ImagePath = "other.bmp";
    std::optional<DocumentStep> back = onePoint;
    back->swapWith(onAnotherPicture);
    EXPECT_EQ(onAnotherPicture.PixX(7, 150), full.PixX(7, 150));
    EXPECT_EQ(onAnotherPicture.ImagePath, "other.bmp");

    // A parameter alone, or a marker alone, is a step too.
    Document param = full;
    param.LineParam(20) = 5.0f;
    EXPECT_TRUE(DocumentStep::between(full, param));
    Document marker = full;
    marker.MarkerPixY(3) += 1.0f;
    EXPECT_TRUE(DocumentStep::between(full, marker));

    // Every point of every line rewritten: the history's worst step.
    Document rewritten = full;
    for (int j = 1; j <= LinesMax; ++j)
        for (int k = 1; k <= PointsMax; ++k) rewritten.PixY(j, k) += 1.0f;
    const std::optional<DocumentStep> everything = DocumentStep::between(full, rewritten);
    ASSERT_TRUE(everything);
    EXPECT_LE(everything->bytes(), 66'000u);
}

} // namespace
} // namespace vex
