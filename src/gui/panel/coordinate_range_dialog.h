#pragma once
// "Coordinate system": the chart values of the calibration markers, the
// argument range Xmin..Xmax and the value range Ymin..Ymax.

#include "core/ui/range_entry.h"

#include <QDialog>

#include <array>
#include <cstdint>

class QLineEdit;
class QWidget;

namespace vex {

struct AppState;
class Prompts;

// Edits the four ranges of the calibration in place: every change the user
// makes to an edit, typed or through a screen reader, that reads as a finite
// number is stored at once. OK insists on Xmax > Xmin and Ymax > Ymin, moving
// a faulty minimum one unit below its maximum after a warning, and stays open
// with a warning while a range cannot be used even so; Cancel (or closing
// the dialog) puts back the values it opened with, since the mappings divide
// by the range widths.
class CoordinateRangeDialog : public QDialog {
    Q_OBJECT
  public:
    CoordinateRangeDialog(Calibration& cal, Prompts& prompts, std::int32_t language,
                          QWidget* parent = nullptr);

    void done(int result) override;

  private:
    // "Name = " and the edit bound to `field`, whose top is at `top` dialog units.
    QLineEdit* addRangeRow(const QString& name, int top, float& field);

    Calibration& cal_;
    Prompts& prompts_;
    std::int32_t language_;
    ChartRanges opening_;
    std::array<QLineEdit*, 4> edits_{}; // in the same order
};

// Runs the dialog over `owner` as the panel does: `panel` and `host` (either
// may be null) are disabled while it is open, and the search box of the
// inversion is recomputed afterwards whichever button closed it.
// Returns 1 after OK, 0 after Cancel.
int SETRANGEOFCOORDINATE_DIALOG(AppState& s, Prompts& prompts, QWidget* owner, QWidget* panel,
                                QWidget* host);

} // namespace vex
