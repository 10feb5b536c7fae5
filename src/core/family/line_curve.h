#pragma once
// One line of the family as a function of X in chart units: its points
// ordered by X and the program's interpolating curve through them.

#include "core/data/dep2d.h"

#include <vector>

namespace vex {

class LineCurve {
  public:
    LineCurve(const Dep2D& d, int line);

    bool empty() const { return x_.empty(); }
    double from() const { return x_.front(); }
    double to() const { return x_.back(); }
    // Whether X lies within the line's captured points (both ends included).
    bool covers(double X) const { return !empty() && X >= from() && X <= to(); }
    // Whether the curve may be read at X: it has points, and X lies within
    // them unless reading beyond them is allowed.
    bool reaches(double X, bool extrapolate) const {
        return !empty() && (extrapolate || covers(X));
    }
    // The curve at X; outside the points it continues as the curve does
    // (level beyond the ends of a line of five points or more).
    double at(double X) const;

  private:
    std::vector<double> x_;
    std::vector<double> y_;
};

// The curves of lines 1 .. NLines, made once for every X read.
std::vector<LineCurve> curvesOf(const Dep2D& d);

} // namespace vex
