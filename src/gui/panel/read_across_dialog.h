#pragma once
// "Read across the family": Y at X for a parameter p between the lines, with
// the lines it came from and how.

#include "core/data/dep2d.h"
#include "core/family/read_across.h"

#include <QDialog>

#include <cstdint>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace vex {

class ReadAcrossDialog : public QDialog {
    Q_OBJECT
  public:
    ReadAcrossDialog(const Dep2D& d, std::int32_t language, QWidget* parent = nullptr);

    const AcrossReading& reading() const { return reading_; }

  private:
    void read();

    const Dep2D& d_;
    std::int32_t language_;
    AcrossReading reading_;
    QLineEdit* x_ = nullptr;
    QLineEdit* p_ = nullptr;
    QCheckBox* extrapolate_ = nullptr;
    QLabel* result_ = nullptr;
};

} // namespace vex
