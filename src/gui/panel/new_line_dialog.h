#pragma once
// "New line at a parameter": a line for a parameter no line has, read across
// the family at each X of a grid.

#include "core/data/dep2d.h"
#include "core/family/read_across.h"

#include <QDialog>

#include <cstdint>

class QCheckBox;
class QLineEdit;

namespace vex {

class GridChoiceBox;
class Prompts;

class NewLineDialog : public QDialog {
    Q_OBJECT
  public:
    NewLineDialog(const Dep2D& d, Prompts& prompts, std::int32_t language,
                  QWidget* parent = nullptr);

    // After OK: the parameter and the line read across.
    double parameter() const;
    const LineAtParameter& line() const { return line_; }

    void done(int result) override;

  private:
    const Dep2D& d_;
    Prompts& prompts_;
    std::int32_t language_;
    LineAtParameter line_;
    QLineEdit* p_ = nullptr;
    GridChoiceBox* grid_ = nullptr;
    QCheckBox* extrapolate_ = nullptr;
};

} // namespace vex
