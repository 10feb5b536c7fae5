#include "core/trace/ink_model.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <vector>

namespace vex {
namespace {

Rgb rgbOf(std::uint32_t p) {
    return {static_cast<double>((p >> 16) & 255u), static_cast<double>((p >> 8) & 255u),
            static_cast<double>(p & 255u)};
}
Rgb minus(Rgb a, Rgb b) {
    return {a.r - b.r, a.g - b.g, a.b - b.b};
}
double dot(Rgb a, Rgb b) {
    return a.r * b.r + a.g * b.g + a.b * b.b;
}

// Colours closer than this to the paper are paper (noise, a faint grid).
constexpr double MarkedDistance = 60.0;
// How far around the click the paper and the ink are looked for.
constexpr int PaperRadius = 15;
constexpr int InkRadius = 6;

// The commonest colour in the square around (cx, cy), averaged over the
// pixels of its 16-level bin.
Rgb commonestAround(const TraceImage& image, int cx, int cy) {
    std::map<std::uint32_t, std::array<double, 4>> bins; // key -> sums r, g, b and count
    for (int y = std::max(0, cy - PaperRadius); y <= std::min(image.height - 1, cy + PaperRadius);
         ++y)
        for (int x = std::max(0, cx - PaperRadius);
             x <= std::min(image.width - 1, cx + PaperRadius); ++x) {
            const std::uint32_t p = image.at(x, y);
            const std::uint32_t key = (p >> 4) & 0x0f0f0fu;
            std::array<double, 4>& bin = bins[key];
            const Rgb c = rgbOf(p);
            bin[0] += c.r, bin[1] += c.g, bin[2] += c.b, bin[3] += 1.0;
        }
    const auto most = std::max_element(bins.begin(), bins.end(), [](const auto& a, const auto& b) {
        return a.second[3] < b.second[3];
    });
    const std::array<double, 4>& s = most->second;
    return {s[0] / s[3], s[1] / s[3], s[2] / s[3]};
}

} // namespace

InkModel::InkModel(Rgb paper, Rgb ink)
    : paper_(paper), ink_(ink), axis_(minus(ink, paper)), axisLength2_(dot(axis_, axis_)) {
    // Off the segment by a quarter of its length, plus room for noise, a
    // pixel keeps e^-1 of its weight: the grey edge of a black frame is no
    // pale blue.
    const double off = std::sqrt(axisLength2_) / 4.0 + 10.0;
    offAxis2_ = off * off;
}

std::optional<InkModel> InkModel::near(const TraceImage& image, PlanePoint click) {
    const int cx = static_cast<int>(std::floor(click.x)),
              cy = static_cast<int>(std::floor(click.y));
    if (!image.contains(cx, cy)) return std::nullopt;
    const Rgb paper = commonestAround(image, cx, cy);
    // The marked pixel nearest the click.
    double best = 1e300;
    int nx = -1, ny = -1;
    for (int y = cy - InkRadius; y <= cy + InkRadius; ++y)
        for (int x = cx - InkRadius; x <= cx + InkRadius; ++x) {
            if (!image.contains(x, y)) continue;
            const Rgb d = minus(rgbOf(image.at(x, y)), paper);
            if (dot(d, d) < MarkedDistance * MarkedDistance) continue;
            const double dx = x + 0.5 - click.x, dy = y + 0.5 - click.y;
            if (dx * dx + dy * dy < best) best = dx * dx + dy * dy, nx = x, ny = y;
        }
    if (nx < 0) return std::nullopt;
    // The ink is the strongest colour of that hue next to it: the middle of
    // an anti-aliased line rather than its edge; a few of the strongest are
    // averaged against noise.
    const Rgb seed = minus(rgbOf(image.at(nx, ny)), paper);
    const double seedLength = std::sqrt(dot(seed, seed));
    struct Candidate {
        double strength;
        Rgb colour;
    };
    std::vector<Candidate> same;
    for (int y = ny - 2; y <= ny + 2; ++y)
        for (int x = nx - 2; x <= nx + 2; ++x) {
            if (!image.contains(x, y)) continue;
            const Rgb c = rgbOf(image.at(x, y));
            const Rgb d = minus(c, paper);
            const double length = std::sqrt(dot(d, d));
            if (length < MarkedDistance || dot(d, seed) < 0.9 * length * seedLength) continue;
            same.push_back({length, c});
        }
    std::sort(same.begin(), same.end(),
              [](const Candidate& a, const Candidate& b) { return a.strength > b.strength; });
    Rgb ink;
    double n = 0.0;
    for (const Candidate& c : same) {
        if (c.strength < 0.85 * same.front().strength || n >= 4.0) break;
        ink.r += c.colour.r, ink.g += c.colour.g, ink.b += c.colour.b, n += 1.0;
    }
    return InkModel(paper, {ink.r / n, ink.g / n, ink.b / n});
}

double InkModel::weight(std::uint32_t pixel) const {
    const Rgb d = minus(rgbOf(pixel), paper_);
    const double t = dot(d, axis_) / axisLength2_;
    if (t <= 0.0) return 0.0;
    const Rgb off = {d.r - t * axis_.r, d.g - t * axis_.g, d.b - t * axis_.b};
    return std::min(t, 1.0) * std::exp(-dot(off, off) / offAxis2_);
}

double InkModel::weightAt(const TraceImage& image, double x, double y) const {
    const double fx = x - 0.5, fy = y - 0.5;
    const double x0 = std::floor(fx), y0 = std::floor(fy);
    const double tx = fx - x0, ty = fy - y0;
    const int ix = static_cast<int>(x0), iy = static_cast<int>(y0);
    const auto w = [&](int px, int py) {
        return image.contains(px, py) ? weight(image.at(px, py)) : 0.0;
    };
    return (1 - ty) * ((1 - tx) * w(ix, iy) + tx * w(ix + 1, iy)) +
           ty * ((1 - tx) * w(ix, iy + 1) + tx * w(ix + 1, iy + 1));
}

} // namespace vex
