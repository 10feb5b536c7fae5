#include "core/trace/curve_tracer.h"

#include "core/trace/ink_model.h"

#include <algorithm>
#include <cmath>

namespace vex {
namespace {

constexpr double SampleStep = 0.5;  // along a cut across the line, in pixels
constexpr double EdgeWeight = 0.2;  // where a line's cut begins and ends
constexpr double PeakWeight = 0.45; // the least a line's middle weighs

PlanePoint operator+(PlanePoint a, PlanePoint b) {
    return {a.x + b.x, a.y + b.y};
}
PlanePoint operator-(PlanePoint a, PlanePoint b) {
    return {a.x - b.x, a.y - b.y};
}
PlanePoint operator*(double k, PlanePoint a) {
    return {k * a.x, k * a.y};
}
double length(PlanePoint a) {
    return std::hypot(a.x, a.y);
}
PlanePoint unit(PlanePoint a) {
    const double l = length(a);
    return l > 0.0 ? (1.0 / l) * a : PlanePoint{1.0, 0.0};
}
PlanePoint normalOf(PlanePoint d) {
    return {-d.y, d.x};
}

// Where a cut across the line finds it: the middle's offset along the cut
// from the cut's centre, and the line's width there.
struct Crossing {
    double offset = 0.0;
    double width = 0.0;
    bool crowded = false; // another line of the ink crosses the cut too
};

class Walker {
  public:
    Walker(const TraceImage& image, const InkModel& ink) : image_(image), ink_(ink) {}

    // The run of ink along the cut through `centre` in direction `across`,
    // reaching `reach` either side, whose middle is nearest the centre.
    std::optional<Crossing> cut(PlanePoint centre, PlanePoint across, double reach) const {
        const auto n = static_cast<std::size_t>(std::ceil(reach / SampleStep));
        // Sample k lies (k - n) steps along the cut from its centre.
        const auto offsetOf = [n](std::size_t k) {
            return (static_cast<double>(k) - static_cast<double>(n)) * SampleStep;
        };
        std::vector<double>& w = cutWeights_; // kept: a cut at every step of the walk
        w.resize(2 * n + 1);
        for (std::size_t k = 0; k < w.size(); ++k) {
            const PlanePoint p = centre + offsetOf(k) * across;
            w[k] = ink_.weightAt(image_, p.x, p.y);
        }
        std::optional<Crossing> best;
        for (std::size_t k = 0; k < w.size();) {
            if (w[k] < EdgeWeight) {
                ++k;
                continue;
            }
            double sum = 0.0, moment = 0.0, peak = 0.0;
            for (; k < w.size() && w[k] >= EdgeWeight; ++k) {
                sum += w[k];
                moment += w[k] * offsetOf(k);
                peak = std::max(peak, w[k]);
            }
            if (peak < PeakWeight) continue;
            const Crossing c{moment / sum, sum * SampleStep, best.has_value()};
            if (!best || std::fabs(c.offset) < std::fabs(best->offset)) best = c;
            best->crowded = best->crowded || c.crowded;
        }
        return best;
    }

    // The line's direction at p: the main axis of the ink around it.
    PlanePoint directionAt(PlanePoint p, double radius) const {
        double sxx = 0.0, syy = 0.0, sxy = 0.0, sw = 0.0, mx = 0.0, my = 0.0;
        const int r = static_cast<int>(std::ceil(radius));
        for (int dy = -r; dy <= r; ++dy)
            for (int dx = -r; dx <= r; ++dx) {
                if (dx * dx + dy * dy > r * r) continue;
                const double w = ink_.weightAt(image_, p.x + dx, p.y + dy);
                sw += w, mx += w * dx, my += w * dy;
                sxx += w * dx * dx, syy += w * dy * dy, sxy += w * dx * dy;
            }
        if (sw <= 0.0) return {1.0, 0.0};
        mx /= sw, my /= sw;
        const double a = sxx / sw - mx * mx, b = sxy / sw - mx * my, c = syy / sw - my * my;
        const double angle = 0.5 * std::atan2(2.0 * b, a - c);
        return {std::cos(angle), std::sin(angle)};
    }

    bool inside(PlanePoint p) const {
        return p.x >= 0.0 && p.y >= 0.0 && p.x <= image_.width && p.y <= image_.height;
    }

  private:
    const TraceImage& image_;
    const InkModel& ink_;
    mutable std::vector<double> cutWeights_; // the weights along the last cut
};

struct WalkLimits {
    double step;       // along the line
    double reach;      // of a cut, either side
    double maxGap;     // bridged going straight on
    double maxBlob;    // a wider crossing is a meeting of lines
    double minWidth;   // a narrower one a line half hidden
    double cleanWidth; // the widest a line alone is
    double maxLength;
};

// From `start`, heading `heading`, the line's middles until it ends.
std::vector<PlanePoint> walk(const Walker& walker, PlanePoint start, PlanePoint heading,
                             const WalkLimits& limits) {
    std::vector<PlanePoint> path;
    PlanePoint at = start, direction = heading;
    double gap = 0.0, walked = 0.0;
    while (walked < limits.maxLength) {
        const PlanePoint ahead = at + limits.step * direction;
        walked += limits.step;
        if (!walker.inside(ahead)) break;
        const std::optional<Crossing> c = walker.cut(ahead, normalOf(direction), limits.reach);
        // No ink ahead is a gap; a crossing much wider than the line is a
        // meeting of lines, and a much narrower one a line half hidden under
        // another: both are gone through straight, as a gap is.
        if (!c || c->width > limits.maxBlob || c->width < limits.minWidth) {
            gap += limits.step;
            if (gap > limits.maxGap) break;
            at = ahead; // straight on across the gap or the meeting
            continue;
        }
        const PlanePoint found = ahead + c->offset * normalOf(direction);
        // Back on the line after a gap: the direction is the chord across it.
        // With another line of the ink close by and this one wider than
        // itself (the two begin to merge), the line is followed but its
        // direction kept, so that the crossing ahead is gone through straight
        // rather than turned into.
        const PlanePoint from = path.empty() ? start : path.back();
        if (!c->crowded || c->width <= limits.cleanWidth)
            direction = unit(direction + unit(found - from));
        at = found;
        gap = 0.0;
        path.push_back(found);
        // A closed curve: round once and stop.
        if (path.size() > 20 && length(found - start) < limits.step) break;
    }
    return path;
}

// Takes `cut` pixels of path off each end (keeping at least the seed).
void trimEnds(std::vector<PlanePoint>& path, double cut) {
    const auto keepFrom = [&](auto first, auto last) {
        double gone = 0.0;
        auto it = first;
        while (std::next(it) != last && gone + length(*std::next(it) - *it) <= cut) {
            gone += length(*std::next(it) - *it);
            ++it;
        }
        return it;
    };
    if (path.size() < 3) return;
    const auto front = keepFrom(path.begin(), path.end());
    const auto back = keepFrom(path.rbegin(), path.rend());
    const auto end = back.base();
    if (front < end) path = std::vector<PlanePoint>(front, end);
}

// Keeps the part of the path between the seed and the middle nearest the
// bound, when that is near enough to be on the line.
void boundBetween(std::vector<PlanePoint>& path, std::size_t seedIndex, PlanePoint bound,
                  double width, bool& missed) {
    std::size_t nearest = 0;
    for (std::size_t i = 1; i < path.size(); ++i)
        if (length(path[i] - bound) < length(path[nearest] - bound)) nearest = i;
    if (length(path[nearest] - bound) > std::max(6.0, 2.0 * width + 3.0)) {
        missed = true;
        return;
    }
    const auto first = static_cast<std::ptrdiff_t>(std::min(seedIndex, nearest));
    const auto last = static_cast<std::ptrdiff_t>(std::max(seedIndex, nearest));
    path = std::vector<PlanePoint>(path.begin() + first, path.begin() + last + 1);
}

} // namespace

TraceResult traceCurve(const TraceImage& image, const TraceRequest& request) {
    TraceResult result;
    const std::optional<InkModel> ink = InkModel::near(image, request.click);
    if (!ink) return result;
    const Walker walker(image, *ink);

    // The line's middle and direction at the click.
    PlanePoint seed = request.click;
    PlanePoint direction = walker.directionAt(seed, 6.0);
    std::optional<Crossing> at = walker.cut(seed, normalOf(direction), 8.0);
    if (!at) return result;
    seed = seed + at->offset * normalOf(direction);
    direction = walker.directionAt(seed, std::max(4.0, 2.0 * at->width));
    at = walker.cut(seed, normalOf(direction), 8.0);
    if (!at) return result;
    seed = seed + at->offset * normalOf(direction);
    result.lineWidth = at->width;

    const double width = std::max(1.0, at->width);
    const WalkLimits limits{std::clamp(0.75 * width, 1.0, 2.5),
                            1.5 * width + 2.5,
                            std::max(30.0, 12.0 * width),
                            1.35 * width + 0.8,
                            0.65 * at->width,
                            1.15 * at->width,
                            4.0 * (image.width + image.height)};
    const std::vector<PlanePoint> on = walk(walker, seed, direction, limits);
    const bool closed = on.size() > 20 && length(on.back() - seed) < limits.step;
    std::vector<PlanePoint> path;
    if (!closed) path = walk(walker, seed, -1.0 * direction, limits);
    std::reverse(path.begin(), path.end());
    const std::size_t seedIndex = path.size();
    path.push_back(seed);
    path.insert(path.end(), on.begin(), on.end());
    if (request.bound) boundBetween(path, seedIndex, *request.bound, width, result.boundMissed);
    // The last middles found at an end of the line lie in the round end of
    // its stroke, pulled beyond where the curve ends.
    if (!request.bound || result.boundMissed) trimEnds(path, 0.5 * width + 1.0);
    // Left to right, as a chart is read.
    if (path.back().x < path.front().x) std::reverse(path.begin(), path.end());
    result.path = std::move(path);
    return result;
}

} // namespace vex
