#pragma once
// The X grid the family is read at, as the user picks it: from / to / step,
// a number of points from / to, or every X of the lines.

#include "core/family/family_grid.h"

#include <QGroupBox>

#include <cstdint>

class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace vex {

class GridChoiceBox : public QGroupBox {
    Q_OBJECT
  public:
    // Opened on the X range of the family's points; `allowUnion` offers the
    // union of the lines' X as well.
    GridChoiceBox(double from, double to, bool allowUnion, std::int32_t language,
                  QWidget* parent = nullptr);

    // What is chosen; a grid by step or count whose numbers do not read
    // gives a step of NaN, which the grid refuses.
    GridChoice choice() const;

  signals:
    void changed();

  private:
    QRadioButton* byStep_ = nullptr;
    QRadioButton* byCount_ = nullptr;
    QRadioButton* ofAllX_ = nullptr;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QLineEdit* step_ = nullptr;
    QSpinBox* count_ = nullptr;
};

} // namespace vex
