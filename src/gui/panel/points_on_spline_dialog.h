#pragma once
// "Points on spline": asks for the number of points and rebuilds the current
// line from that many samples of its curve.

#include <QDialog>

#include <cstdint>

class QWidget;

namespace vex {

struct AppState;
class Prompts;

// The count edit, opened with `count` and writing every change the user
// makes (typed or through a screen reader) that reads as an integer straight
// back into it, whichever button closes the dialog.
class PointsOnSplineDialog : public QDialog {
    Q_OBJECT
  public:
    PointsOnSplineDialog(std::int32_t& count, std::int32_t language, QWidget* parent = nullptr);
};

// Runs the command: the dialog, then on OK the count check (a warning for a
// count above PointsMax or below two) and the resampling of the current line.
// Returns true when the line was rebuilt; the caller marks the project
// modified and refreshes.
bool SetNumPointsOnLine(AppState& s, Prompts& prompts, QWidget* owner);

} // namespace vex
