#pragma once
// A pair of arrow buttons that step a number within a range, without an
// edit of its own (the panel's grid edits stand beside them).

#include <QWidget>

class QToolButton;

namespace vex {

class UpDownControl : public QWidget {
    Q_OBJECT
  public:
    explicit UpDownControl(QWidget* parent = nullptr);

    void setRange(int lowest, int highest);
    void setPosition(int position); // silently, clamped to the range
    int position() const { return position_; }

  signals:
    void positionChanged(int position); // by the user

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void step(int by);

    QToolButton* up_;
    QToolButton* down_;
    int lowest_ = 0, highest_ = 99, position_ = 0;
};

} // namespace vex
