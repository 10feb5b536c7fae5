#include "gui/panel/up_down_control.h"

#include <QKeyEvent>
#include <QToolButton>

#include <algorithm>

namespace vex {

UpDownControl::UpDownControl(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setAutoRepeat(true);
    down_->setAutoRepeat(true);
    up_->setAccessibleName(QStringLiteral("Up"));
    down_->setAccessibleName(QStringLiteral("Down"));
    setFocusPolicy(Qt::TabFocus);
    connect(up_, &QToolButton::clicked, this, [this] { step(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
}

void UpDownControl::setRange(int lowest, int highest) {
    lowest_ = lowest;
    highest_ = highest;
    position_ = std::clamp(position_, lowest_, highest_);
}

void UpDownControl::setPosition(int position) {
    position_ = std::clamp(position, lowest_, highest_);
}

void UpDownControl::step(int by) {
    const int next = std::clamp(position_ + by, lowest_, highest_);
    if (next == position_) return;
    position_ = next;
    emit positionChanged(position_);
}

void UpDownControl::resizeEvent(QResizeEvent*) {
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

void UpDownControl::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up)
        step(+1);
    else if (event->key() == Qt::Key_Down)
        step(-1);
    else
        QWidget::keyPressEvent(event);
}

} // namespace vex
