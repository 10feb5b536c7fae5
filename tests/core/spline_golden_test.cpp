// The drawn and resampled curves are the ones recorded before the curve
// was made faster, to the last bit of every stored float. Record them
// again with VEXILOR_RECORD_SPLINE=file (only after a change meant to
// alter the curve).
#include "core/numerics/spline.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace vex {
namespace {

// Lines of every kind a user makes: ordered or not, with points in one
// column, straight runs, few points or the most.
std::unique_ptr<Dep2D> lines() {
    auto d = std::make_unique<Dep2D>();
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<float>(seed >> 8) / static_cast<float>(1u << 24);
    };
    d->NLines = LinesMax;
    const int counts[LinesMax] = {1,  2,  3,  4,   5,   6,   7,   9,   12,  20,
                                  33, 50, 80, 120, 150, 180, 199, 200, 200, 200};
    for (int j = 1; j <= LinesMax; ++j) {
        const int n = counts[j - 1];
        d->NPoints(j) = n;
        for (int k = 1; k <= n; ++k) {
            float x = 20.0f + 4.7f * static_cast<float>(k) + 3.0f * next();
            if (j % 4 == 1) x = 900.0f * next();                 // in no order
            if (j % 5 == 2 && k % 7 == 3) x = d->PixX(j, k - 1); // two in one column
            float y = 300.0f + 120.0f * std::sin(x / 37.0f) + 8.0f * next();
            if (j % 6 == 3 && k > n / 3 && k < 2 * n / 3) y = 0.5f * x; // a straight run
            d->PixX(j, k) = x;
            d->PixY(j, k) = y;
        }
    }
    return d;
}

std::string bitsOf(float v) {
    std::ostringstream out;
    out << std::hex << std::bit_cast<std::uint32_t>(v);
    return out.str();
}

// Every sample of every line: the drawn curve, a resampling to 37, and
// the curve at a few single abscissas.
std::string curves() {
    const auto d = lines();
    std::ostringstream out;
    SplineSamples s;
    for (int j = 1; j <= d->NLines; ++j) {
        for (const auto& [mode, count] : {std::pair{SplinePolyline, 0}, {SplineResample, 37}}) {
            SPLINEINTERPOLATION(mode, *d, j, s, count);
            out << j << ' ' << mode << ' ' << s.SplinePixCount;
            for (int i = 1; i <= s.SplinePixCount; ++i)
                out << ' ' << bitsOf(s.SplinePixX(i)) << ':' << bitsOf(s.SplinePixY(i));
            out << '\n';
        }
        for (float x : {-5.0f, 31.25f, 100.0f, 377.7f, 2000.0f}) {
            s.SplinePointX = x;
            SPLINEINTERPOLATION(SplineAtPoint, *d, j, s);
            out << j << " at " << bitsOf(x) << ' ' << bitsOf(s.SplinePointY) << '\n';
        }
    }
    return out.str();
}

TEST(SplineGolden, EveryCurveIsTheRecordedOneToTheLastBit) {
    const std::string now = curves();
    if (const char* record = std::getenv("VEXILOR_RECORD_SPLINE")) {
        std::ofstream(record) << now;
        return;
    }
    std::ifstream file(VEXILOR_TEST_DATA_DIR "/spline/curves.txt");
    ASSERT_TRUE(file.good());
    std::stringstream recorded;
    recorded << file.rdbuf();
    std::istringstream got(now), want(recorded.str());
    std::string a, b;
    int line = 0;
    while (std::getline(want, b)) {
        ++line;
        ASSERT_TRUE(std::getline(got, a)) << "line " << line;
        ASSERT_EQ(a, b) << "line " << line;
    }
    EXPECT_FALSE(std::getline(got, a));
}

} // namespace
} // namespace vex
