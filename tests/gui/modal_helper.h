#pragma once
// Answers a modal dialog that the code under test is about to open: arm it
// before the call, and it acts on the active modal widget once it appears.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace vex::testing {

class ModalAnswer {
  public:
    explicit ModalAnswer(std::function<void(QWidget&)> act) : act_(std::move(act)) {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                timer_.stop();
                seen_ = true;
                act_(*modal);
            }
        });
        timer_.start();
    }
    bool seen() const { return seen_; }

  private:
    std::function<void(QWidget&)> act_;
    QTimer timer_;
    bool seen_ = false;
};

} // namespace vex::testing
