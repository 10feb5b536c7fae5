#include "gui/app/main_window.h"

#include "core/data/clear_param.h"
#include "core/messages/catalogue.h"

namespace vex {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    CLEARPARAM(state_);
    setWindowTitle(QString::fromStdString(GETSS(msg::Caption, state_.InterfaceLanguage)));
}

} // namespace vex
