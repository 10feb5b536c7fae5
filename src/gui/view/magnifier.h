#pragma once
// The magnifier beside the pointer: the picture around the spot being placed,
// enlarged, with a crosshair on the exact spot a click would store.

#include <QPointF>
#include <QWidget>

namespace vex {

class Picture;

class Magnifier : public QWidget {
  public:
    static constexpr int Size = 151; // odd: the spot has a pixel of its own in the middle

    Magnifier(const Picture& picture, QWidget* canvas);

    // The picture around `pictureSpot` (in picture pixels), `scale` screen
    // pixels to a picture pixel, beside `canvasSpot` where the spot shows.
    void showAround(QPointF pictureSpot, double scale, QPoint canvasSpot);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Picture& picture_;
    QPointF spot_;
    double scale_ = 6.0;
};

} // namespace vex
