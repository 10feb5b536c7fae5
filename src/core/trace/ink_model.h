#pragma once
// How much of a pixel is the curve's ink: a pixel of an anti-aliased or
// blurred line is a mix of the ink and the paper, so it lies on the segment
// between their colours. Its share of ink along that segment is its weight;
// a colour off the segment (another curve, a grid or an axis of another
// colour) weighs little however dark it is.

#include "core/coords/plane_point.h"
#include "core/trace/trace_image.h"

#include <optional>

namespace vex {

struct Rgb {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
};

class InkModel {
  public:
    InkModel(Rgb paper, Rgb ink);

    // The ink and the paper near `click`: the paper is the commonest colour
    // around it, the ink the colour of the nearest marked pixel. None when
    // nothing stands out from the paper there.
    static std::optional<InkModel> near(const TraceImage& image, PlanePoint click);

    double weight(std::uint32_t pixel) const;
    // Between pixel centres, interpolated; 0 outside the picture.
    double weightAt(const TraceImage& image, double x, double y) const;

  private:
    Rgb paper_;
    Rgb ink_;
    Rgb axis_;           // ink - paper
    double axisLength2_; // its squared length
    double offAxis2_;    // squared distance off the segment that leaves e^-1 of the weight
};

} // namespace vex
