#pragma once
// Pictures the tracer's tests draw themselves: anti-aliased strokes (solid
// or dashed) over paper, and the faults of a scan (blur, noise, the 8 × 8
// blocks of a JPEG).

#include "core/coords/plane_point.h"
#include "core/trace/trace_image.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace vex::testing {

constexpr std::uint32_t rgb(int r, int g, int b) {
    return 0xff000000u | (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | std::uint32_t(b);
}

// Distance from p to the polyline.
inline double distanceToPolyline(PlanePoint p, const std::vector<PlanePoint>& line) {
    double best = 1e300;
    for (std::size_t i = 1; i < line.size(); ++i) {
        const PlanePoint a = line[i - 1], b = line[i];
        const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
        const double t =
            l2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / l2, 0.0, 1.0) : 0;
        best = std::min(best, std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy));
    }
    return best;
}

// A function's graph from x0 to x1 as a dense polyline.
template <class F> std::vector<PlanePoint> graph(F f, double x0, double x1, int n = 800) {
    std::vector<PlanePoint> line;
    for (int i = 0; i <= n; ++i) {
        const double x = x0 + (x1 - x0) * i / n;
        line.push_back({x, f(x)});
    }
    return line;
}

class DrawnPicture {
  public:
    DrawnPicture(int w, int h, std::uint32_t paper = rgb(255, 255, 255))
        : width_(w), height_(h), pixels_(std::size_t(w) * std::size_t(h), paper) {}

    TraceImage view() const { return {width_, height_, pixels_.data(), std::size_t(width_)}; }
    std::uint32_t pixel(int x, int y) const {
        return pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
    }
    std::uint32_t& at(int x, int y) {
        return pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
    }

    // The band of `width` around the polyline, each pixel covered by the share
    // of its 4 × 4 sub-pixels inside the band; with `dash` > 0, only the dashes
    // of that length, `gap` apart along the line.
    void stroke(const std::vector<PlanePoint>& line, double width, std::uint32_t colour,
                double dash = 0.0, double gap = 0.0) {
        std::vector<std::uint16_t> covered(pixels_.size(), 0);
        const double half = width / 2.0;
        double along = 0.0;
        for (std::size_t i = 1; i < line.size(); ++i) {
            const PlanePoint a = line[i - 1], b = line[i];
            const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy,
                         len = std::sqrt(l2);
            const int x0 = std::max(0, int(std::floor(std::min(a.x, b.x) - half - 1)));
            const int x1 = std::min(width_ - 1, int(std::ceil(std::max(a.x, b.x) + half + 1)));
            const int y0 = std::max(0, int(std::floor(std::min(a.y, b.y) - half - 1)));
            const int y1 = std::min(height_ - 1, int(std::ceil(std::max(a.y, b.y) + half + 1)));
            for (int y = y0; y <= y1; ++y)
                for (int x = x0; x <= x1; ++x)
                    for (int s = 0; s < 16; ++s) {
                        const double px = x + (s % 4 + 0.5) / 4, py = y + (s / 4 + 0.5) / 4;
                        const double t =
                            l2 > 0 ? std::clamp(((px - a.x) * dx + (py - a.y) * dy) / l2, 0.0, 1.0)
                                   : 0;
                        if (std::hypot(px - a.x - t * dx, py - a.y - t * dy) > half) continue;
                        if (dash > 0 && std::fmod(along + t * len, dash + gap) > dash) continue;
                        covered[std::size_t(y) * std::size_t(width_) + std::size_t(x)] |=
                            std::uint16_t(1u << s);
                    }
            along += len;
        }
        for (std::size_t i = 0; i < pixels_.size(); ++i)
            if (covered[i] != 0)
                pixels_[i] = mix(pixels_[i], colour, std::popcount(covered[i]) / 16.0);
    }

    // A 3 × 3 binomial blur, `times` over.
    void blur(int times = 1) {
        for (int n = 0; n < times; ++n) {
            const std::vector<std::uint32_t> in = pixels_;
            for (int y = 1; y + 1 < height_; ++y)
                for (int x = 1; x + 1 < width_; ++x) {
                    double sum[3] = {0, 0, 0};
                    for (int dy = -1; dy <= 1; ++dy)
                        for (int dx = -1; dx <= 1; ++dx) {
                            const double k = (dx == 0 ? 2 : 1) * (dy == 0 ? 2 : 1) / 16.0;
                            const std::uint32_t p =
                                in[std::size_t(y + dy) * std::size_t(width_) + std::size_t(x + dx)];
                            for (int c = 0; c < 3; ++c)
                                sum[c] += k * double((p >> (16 - 8 * c)) & 255u);
                        }
                    at(x, y) = pack(sum[0], sum[1], sum[2]);
                }
        }
    }

    // Gaussian noise of `sigma` grey levels on each channel, and an offset of
    // up to `block` levels for each 8 × 8 block, as a JPEG leaves.
    void noise(double sigma, double block, unsigned seed) {
        std::mt19937 rng(seed);
        std::normal_distribution<double> n(0.0, sigma);
        std::uniform_real_distribution<double> b(-block, block);
        std::vector<double> offsets(std::size_t((width_ + 7) / 8) * std::size_t((height_ + 7) / 8));
        for (double& o : offsets) o = b(rng);
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                const double o = offsets[std::size_t(y / 8) * std::size_t((width_ + 7) / 8) +
                                         std::size_t(x / 8)];
                const std::uint32_t p = at(x, y);
                at(x, y) = pack(((p >> 16) & 255u) + o + n(rng), ((p >> 8) & 255u) + o + n(rng),
                                (p & 255u) + o + n(rng));
            }
    }

  private:
    static std::uint32_t pack(double r, double g, double b) {
        const auto c = [](double v) {
            return std::uint32_t(std::lround(std::clamp(v, 0.0, 255.0)));
        };
        return 0xff000000u | (c(r) << 16) | (c(g) << 8) | c(b);
    }
    static std::uint32_t mix(std::uint32_t under, std::uint32_t over, double alpha) {
        const auto ch = [&](int shift) {
            return (1 - alpha) * double((under >> shift) & 255u) +
                   alpha * double((over >> shift) & 255u);
        };
        return pack(ch(16), ch(8), ch(0));
    }

    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
};

} // namespace vex::testing
