#include "core/trace/trace_sampling.h"

#include <algorithm>
#include <cmath>

namespace vex {
namespace {

// Centres wander across a near-vertical line by a fraction of a pixel; a
// path that goes back in x by more than this turns back.
constexpr double TurnBack = 1.5;

double distance(PlanePoint a, PlanePoint b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

bool runsOneWayInX(const std::vector<PlanePoint>& path) {
    double furthest = path.front().x;
    for (const PlanePoint& p : path) {
        if (p.x < furthest - TurnBack) return false;
        furthest = std::max(furthest, p.x);
    }
    return true;
}

// Distances along the path from its start, point by point.
std::vector<double> arcLengths(const std::vector<PlanePoint>& path) {
    std::vector<double> s(path.size(), 0.0);
    for (std::size_t i = 1; i < path.size(); ++i) s[i] = s[i - 1] + distance(path[i - 1], path[i]);
    return s;
}

PlanePoint lerp(PlanePoint a, PlanePoint b, double t) {
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

// The point where `key` (non-decreasing along the path) reaches v.
PlanePoint whereKeyReaches(const std::vector<PlanePoint>& path, const std::vector<double>& key,
                           double v) {
    const auto above = std::lower_bound(key.begin(), key.end(), v);
    if (above == key.begin()) return path.front();
    if (above == key.end()) return path.back();
    const auto i = static_cast<std::size_t>(above - key.begin());
    const double span = key[i] - key[i - 1];
    return lerp(path[i - 1], path[i], span > 0.0 ? (v - key[i - 1]) / span : 0.0);
}

// x along the path, made non-decreasing over the centres' wander.
std::vector<double> risingX(const std::vector<PlanePoint>& path) {
    std::vector<double> x(path.size());
    double furthest = path.front().x;
    for (std::size_t i = 0; i < path.size(); ++i) x[i] = furthest = std::max(furthest, path[i].x);
    return x;
}

// The arc lengths as points (s, 0), so that whereKeyReaches interpolates them.
std::vector<PlanePoint> pathOfLengths(const std::vector<double>& s) {
    std::vector<PlanePoint> out;
    out.reserve(s.size());
    for (double v : s) out.push_back({v, 0.0});
    return out;
}

} // namespace

TraceSpacing spacingFor(const std::vector<PlanePoint>& path, int count) {
    if (path.size() < 2 || count < 2 || !runsOneWayInX(path)) return TraceSpacing::EvenAlongCurve;
    // Points even in x, unless a stretch of the curve between two of them is
    // more than three times as long as points even along it would leave.
    const std::vector<double> x = risingX(path);
    const std::vector<double> s = arcLengths(path);
    const double alongStep = s.back() / (count - 1);
    const double xStep = (x.back() - x.front()) / (count - 1);
    const std::vector<PlanePoint> lengths = pathOfLengths(s);
    double previous = 0.0;
    for (int k = 1; k < count; ++k) {
        const double reached = whereKeyReaches(lengths, x, x.front() + k * xStep).x;
        if (reached - previous > 3.0 * alongStep) return TraceSpacing::EvenAlongCurve;
        previous = reached;
    }
    return TraceSpacing::EvenInX;
}

std::vector<PlanePoint> pointsAlong(const std::vector<PlanePoint>& path, int count,
                                    TraceSpacing spacing) {
    std::vector<PlanePoint> out;
    if (path.empty() || count < 1) return out;
    if (path.size() == 1 || count == 1) return {path.front()};
    const std::vector<double> key =
        spacing == TraceSpacing::EvenInX ? risingX(path) : arcLengths(path);
    const double first = key.front(), last = key.back();
    for (int k = 0; k < count; ++k)
        out.push_back(whereKeyReaches(path, key, first + (last - first) * k / (count - 1)));
    return out;
}

} // namespace vex
