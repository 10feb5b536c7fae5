#include "gui/view/magnifier.h"

#include "core/view/pointer_spot.h"
#include "gui/view/picture.h"

#include <QPainter>

namespace vex {

Magnifier::Magnifier(const Picture& picture, QWidget* canvas) : QWidget(canvas), picture_(picture) {
    setFixedSize(Size, Size);
    setAttribute(Qt::WA_TransparentForMouseEvents); // the clicks are the canvas's
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Magnifier"));
    hide();
}

void Magnifier::showAround(QPointF pictureSpot, double scale, QPoint canvasSpot) {
    spot_ = pictureSpot;
    scale_ = scale;
    const QWidget* canvas = parentWidget();
    const CanvasCorner at =
        magnifierCorner(canvasSpot.x(), canvasSpot.y(), Size, canvas->width(), canvas->height());
    move(at.x, at.y);
    show();
    raise();
    update();
}

void Magnifier::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    if (!picture_.isNull()) {
        // The spot lands on the middle of the centre pixel.
        const double half = Size / 2.0;
        const QRectF source(spot_.x() - half / scale_, spot_.y() - half / scale_, Size / scale_,
                            Size / scale_);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, scale_ < 1.0);
        painter.drawImage(QRectF(rect()), picture_.image(), source);
    }
    // The crosshair stops short of the centre, which stays the picture's own.
    const int c = Size / 2;
    constexpr int kOpen = 5;
    for (const QColor& colour : {QColor(Qt::white), QColor(Qt::black)}) {
        const int w = colour == Qt::white ? 3 : 1;
        const int o = w / 2;
        painter.fillRect(QRect(c - o, 0, w, c - kOpen), colour);
        painter.fillRect(QRect(c - o, c + kOpen + 1, w, Size - c - kOpen - 1), colour);
        painter.fillRect(QRect(0, c - o, c - kOpen, w), colour);
        painter.fillRect(QRect(c + kOpen + 1, c - o, Size - c - kOpen - 1, w), colour);
    }
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace vex
