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
    // The curve at X; outside the points it continues as the curve does
    // (level beyond the ends of a line of five points or more).
    double at(double X) const;

  private:
    std::vector<double> x_;
    std::vector<double> y_;
};

} // namespace vex
