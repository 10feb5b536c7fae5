#pragma once
// "Coordinate system": the chart values of the calibration markers, the
// argument range Xmin..Xmax and the value range Ymin..Ymax, and below them
// how the axes run (linearly or logarithmically) and how the markers'
// quadrilateral maps onto the chart (bilinearly or projectively).

#include "core/ui/range_entry.h"

#include <QDialog>

#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
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
// by the range widths. The scales and the mapping are taken in by OK alone,
// which refuses a logarithmic axis with an end that is not positive.
class CoordinateRangeDialog : public QDialog {
    Q_OBJECT
  public:
    CoordinateRangeDialog(Calibration& cal, Prompts& prompts, std::int32_t language,
                          QWidget* parent = nullptr);

    void done(int result) override;

  private:
    // "Name = " and the edit bound to `field`, whose top is at `top` dialog units.
    QLineEdit* addRangeRow(const QString& name, int top, float& field);
    // The scale check boxes and the mapping choice, from `top` dialog units down.
    void addAxesRows(int top);
    AxesChoice axesChosen() const;

    Calibration& cal_;
    Prompts& prompts_;
    std::int32_t language_;
    ChartRanges opening_;
    std::array<QLineEdit*, 4> edits_{}; // in the same order
    QCheckBox* logX_ = nullptr;
    QCheckBox* logY_ = nullptr;
    QComboBox* mapping_ = nullptr;
};

// Runs the dialog over `owner` as the panel does: `panel` and `host` (either
// may be null) are disabled while it is open, and the search box of the
// inversion is recomputed afterwards whichever button closed it.
// Returns 1 after OK, 0 after Cancel.
int SETRANGEOFCOORDINATE_DIALOG(AppState& s, Prompts& prompts, QWidget* owner, QWidget* panel,
                                QWidget* host);

} // namespace vex
