#pragma once
// What the family dialogs share: numbers shown and typed, the X range of the
// family's points, and its notices as one text.

#include "core/data/dep2d.h"
#include "gui/platform/in_language.h"

#include <QString>

class QLineEdit;

#include <cstdint>
#include <utility>

namespace vex {

// A value as the family's CSV writes it: the stored float's figures.
QString shownNumber(double v);

// The number typed in the edit, read as the panel reads typed numbers; NaN
// when it does not read.
double typedValueIn(const QLineEdit* edit);

// The smallest and largest X of any point; 0..1 without points.
std::pair<double, double> familyXRange(const Dep2D& d);

// The family's notices (equal parameters, order, crossings), a line each.
QString familyNoticeText(const Dep2D& d, std::int32_t language);

} // namespace vex
