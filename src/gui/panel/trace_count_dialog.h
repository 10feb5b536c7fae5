#pragma once
// "Trace curve": how many points the traced curve becomes on the line.

#include <QDialog>

#include <cstdint>

class QSpinBox;

namespace vex {

class TraceCountDialog : public QDialog {
    Q_OBJECT
  public:
    TraceCountDialog(std::int32_t count, std::int32_t language, QWidget* parent = nullptr);
    std::int32_t count() const;

  private:
    QSpinBox* count_ = nullptr;
};

} // namespace vex
