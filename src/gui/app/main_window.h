#pragma once
#include "core/state/app_state.h"

#include <QMainWindow>

namespace vex {

// The program's frame window. It owns the whole state of the program.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);

    AppState& state() { return state_; }
    const AppState& state() const { return state_; }

  private:
    AppState state_;
};

} // namespace vex
