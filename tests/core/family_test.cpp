// The family tools on families whose values are known: the X grid, the
// family table with its blanks and its text, reading across the parameter
// against a family drawn from a known f(x; p), the refusals, the notices,
// and the CSV of the points.

#include "core/family/family_grid.h"
#include "core/family/family_notices.h"
#include "core/family/family_table.h"
#include "core/family/read_across.h"
#include "core/io/csv_text.h"
#include "core/messages/catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

namespace vex {
namespace {

using Family = std::function<double(double x, double p)>;

// Lines at the parameters, each with `n` points from x = 0 to 10.
std::unique_ptr<Dep2D> drawn(const Family& f, std::initializer_list<double> parameters,
                             int n = 26) {
    auto d = std::make_unique<Dep2D>();
    d->NLines = 0;
    for (double p : parameters) {
        const int j = ++d->NLines;
        d->LineParam(j) = static_cast<float>(p);
        d->NPoints(j) = n;
        for (int k = 1; k <= n; ++k) {
            const double x = 10.0 * (k - 1) / (n - 1);
            d->ArgX(j, k) = static_cast<float>(x);
            d->ValY(j, k) = static_cast<float>(f(x, p));
        }
    }
    return d;
}

// Two straight lines of two points each, over different X.
std::unique_ptr<Dep2D> twoStraightLines() {
    auto d = std::make_unique<Dep2D>();
    d->NLines = 2;
    d->LineParam(1) = 1.0f, d->LineParam(2) = 2.5f;
    d->NPoints(1) = d->NPoints(2) = 2;
    d->ArgX(1, 1) = 0, d->ValY(1, 1) = 0, d->ArgX(1, 2) = 10, d->ValY(1, 2) = 10;
    d->ArgX(2, 1) = 5, d->ValY(2, 1) = 5, d->ArgX(2, 2) = 15, d->ValY(2, 2) = 25;
    return d;
}

TEST(FamilyGrid, MakesTheGridAskedForAndRefusesOneThatCannotBe) {
    const auto dKept = twoStraightLines();
    const Dep2D& d = *dKept;
    EXPECT_EQ(familyGrid(GridByStep{0, 2, 0.5}, d).x, (std::vector<double>{0, 0.5, 1, 1.5, 2}));
    EXPECT_EQ(familyGrid(GridByStep{0, 1, 0.3}, d).x.size(), 4u); // 0.9 is the last under 1
    EXPECT_EQ(familyGrid(GridByCount{0, 1, 3}, d).x, (std::vector<double>{0, 0.5, 1}));
    EXPECT_EQ(familyGrid(GridOfAllX{}, d).x, (std::vector<double>{0, 5, 10, 15}));
    for (const GridChoice& bad :
         {GridChoice{GridByStep{0, 1, 0}}, GridChoice{GridByStep{0, 1, -1}},
          GridChoice{GridByStep{1, 0, 0.1}}, GridChoice{GridByStep{0, 1, NAN}},
          GridChoice{GridByStep{0, 1, 1e-6}}, GridChoice{GridByCount{0, 1, 1}}}) {
        const FamilyGrid g = familyGrid(bad, d);
        EXPECT_TRUE(g.x.empty());
        ASSERT_TRUE(g.refusal);
        EXPECT_EQ(g.refusal->number, msg::FamilyGridUnusable);
    }
    Dep2D none;
    none.NPoints(1) = 0;
    EXPECT_EQ(familyGrid(GridOfAllX{}, none).refusal->number, msg::FamilyHasNoPoints);
}

TEST(FamilyTable, LeavesBlanksOutsideEachLineAndWritesPlainText) {
    const auto dKept = twoStraightLines();
    const Dep2D& d = *dKept;
    const std::vector<double> grid = familyGrid(GridByStep{0, 15, 5}, d).x;
    const FamilyTable t = familyTable(d, grid, false);
    EXPECT_EQ(familyTableText(t, ','), "x,1,2.5\r\n0,0,\r\n5,5,5\r\n10,10,15\r\n15,,25\r\n");
    EXPECT_EQ(familyTableText(t, '\t'),
              "x\t1\t2.5\r\n0\t0\t\r\n5\t5\t5\r\n10\t10\t15\r\n15\t\t25\r\n");
    // Extrapolated, the two-point lines run on straight.
    const FamilyTable out = familyTable(d, grid, true);
    EXPECT_EQ(out.y[0][1], -5.0);
    EXPECT_EQ(out.y[3][0], 15.0);
}

// f(x; p) is quadratic in p: the smooth curve across three or more lines
// follows it to within the error of the curve along each line (here 26
// points over 0..10, under 0.05 % of the values); linear between two lines
// errs by up to a quarter of a step squared times f_pp / 2.
TEST(ReadAcross, FollowsAKnownFamilyBetweenItsLines) {
    const Family f = [](double x, double p) { return 50 + 20 * p + 4 * p * p * std::sin(x / 2); };
    const auto fiveKept = drawn(f, {1, 2, 3, 4, 5});
    const Dep2D& five = *fiveKept;
    for (const double p : {1.5, 2.5, 3.7, 4.9})
        for (const double x : {0.7, 3.3, 6.1, 9.4}) {
            const AcrossReading r = readAcross(five, x, p, false);
            ASSERT_TRUE(r.y) << x << "," << p;
            EXPECT_EQ(r.method, AcrossMethod::Smooth);
            EXPECT_EQ(r.linesUsed, (std::vector<int>{1, 2, 3, 4, 5}));
            EXPECT_NEAR(*r.y, f(x, p), 5e-4 * f(x, p)) << x << "," << p;
        }
    const auto twoKept = drawn(f, {2, 3});
    const Dep2D& two = *twoKept;
    const AcrossReading r = readAcross(two, 3.3, 2.5, false);
    ASSERT_TRUE(r.y);
    EXPECT_EQ(r.method, AcrossMethod::Linear);
    EXPECT_EQ(r.linesUsed, (std::vector<int>{1, 2}));
    const double halfway = (f(3.3, 2) + f(3.3, 3)) / 2;
    EXPECT_NEAR(*r.y, halfway, 5e-4 * halfway);
    EXPECT_NEAR(*r.y - f(3.3, 2.5), 4 * 0.25 * std::sin(3.3 / 2), 0.05); // the stated error
}

TEST(ReadAcross, RefusesWhatItCannotReadAndExtrapolatesOnlyWhenAllowed) {
    const Family f = [](double x, double p) { return x + 10 * p; };
    const auto dKept = drawn(f, {1, 2, 3});
    const Dep2D& d = *dKept;
    const AcrossReading outside = readAcross(d, 5, 4, false);
    ASSERT_TRUE(outside.refusal);
    EXPECT_EQ(outside.refusal->number, msg::FamilyParameterOutside);
    const AcrossReading beyond = readAcross(d, 5, 4, true);
    ASSERT_TRUE(beyond.y);
    EXPECT_NEAR(*beyond.y, 45.0, 1e-4); // the straight line through lines 2 and 3
    EXPECT_EQ(beyond.linesUsed, (std::vector<int>{2, 3}));
    EXPECT_EQ(readAcross(d, 12, 2, false).refusal->number, msg::FamilyTooFewLinesAtX);
    EXPECT_EQ(readAcross(d, NAN, 2, false).refusal->number, msg::FamilyValueNotANumber);

    const LineAtParameter line =
        lineAtParameter(d, 2.5, familyGrid(GridByCount{0, 10, 11}, d).x, false);
    ASSERT_FALSE(line.refusal);
    ASSERT_EQ(line.y.size(), 11u);
    for (std::size_t k = 0; k < 11; ++k) EXPECT_NEAR(line.y[k], f(line.x[k], 2.5), 1e-3);
    EXPECT_EQ(lineAtParameter(d, 2.5, std::vector<double>(201, 1.0), false).refusal->number,
              msg::FamilyLineGridTooLarge);
    auto full =
        drawn(f, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}, 3);
    EXPECT_EQ(lineAtParameter(*full, 2.5, {1.0}, false).refusal->number, msg::FamilyFull);
    EXPECT_EQ(lineAtParameter(d, 2.5, {1.0, 12.0}, false).refusal->number,
              msg::FamilyTooFewLinesAtX);
}

TEST(FamilyNotices, TellOfEqualParametersDisorderAndCrossings) {
    const Family f = [](double x, double p) { return 10 * p + x; };
    EXPECT_TRUE(familyNotices(*drawn(f, {1, 2, 3})).empty());
    EXPECT_TRUE(familyNotices(*drawn(f, {3, 2, 1})).empty()); // falling steadily is in order
    auto same = drawn(f, {1, 2, 2});
    same->ValY(3, 1) += 1; // not the same curve either
    std::vector<int> numbers;
    for (const UserMessage& m : familyNotices(*same)) numbers.push_back(m.number);
    EXPECT_EQ(numbers, std::vector<int>{msg::FamilyEqualParameters});
    numbers.clear();
    for (const UserMessage& m : familyNotices(*drawn(f, {1, 3, 2}))) numbers.push_back(m.number);
    EXPECT_EQ(numbers, std::vector<int>{msg::FamilyParametersOutOfOrder});
    const Family crossing = [](double x, double p) { return p * (x - 5); }; // all meet at x = 5
    const std::vector<UserMessage> crossed = familyNotices(*drawn(crossing, {1, 2}));
    ASSERT_EQ(crossed.size(), 1u);
    EXPECT_EQ(crossed[0].number, msg::FamilyLinesCross);
    EXPECT_EQ(crossed[0].args[2].substr(0, 3), "5.0");
}

TEST(PointsCsv, HoldsEveryPointWithItsLineAndParameterInPlainNumbers) {
    auto d = twoStraightLines();
    d->ValY(2, 2) = 0.1f;
    d->ArgX(2, 2) = -1.0e-7f;
    EXPECT_EQ(pointsCsvText(*d), "line,parameter,x,y\r\n1,1,0,0\r\n1,1,10,10\r\n2,2.5,5,5\r\n"
                                 "2,2.5,-1e-07,0.1\r\n");
}

} // namespace
} // namespace vex
