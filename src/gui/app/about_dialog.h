#pragma once
#include <QDialog>

namespace vex {

// "About Vexilor 1.0": the program's picture, its version and OK.
class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace vex
