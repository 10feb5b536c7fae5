#pragma once
// What a project holds, apart from how it is being looked at and worked on:
// the lines with their points and parameters, the calibration markers and
// chart ranges, and the picture with the fitted zoom its positions were
// taken at. A plain value: two documents compare equal exactly when a
// project file and every screen showing them would be the same.

#include "core/coords/calibration.h"
#include "core/data/dep2d.h"
#include "core/document/image_facts.h"

namespace vex {

struct Document : Dep2D, Calibration, ImageFacts {
    friend bool operator==(const Document&, const Document&) = default;
};

} // namespace vex
