// Draws the pictures the program ships in resources/: the toolbar strip, the
// banner of the About box and the program icon in six sizes (the three from
// 48 pixels up only for the desktop's icon theme).
//
//   vexilor_picture_generator OUTDIR
//
// Runs without a display (it chooses Qt's offscreen platform itself). The
// pictures are drawn, written, read back and checked; the exit code is 0 only
// when every file is as the program expects it.

#include <QtCore/QByteArray>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QPointF>
#include <QtCore/QRectF>
#include <QtCore/QString>
#include <QtGui/QColor>
#include <QtGui/QFont>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtGui/QPen>
#include <QtGui/QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <vector>

namespace {

// ---------------------------------------------------------------------------
// Pixel work on a small ARGB image: every primitive covers whole pixels, so
// the 22-pixel tiles stay crisp.

class Pixels {
  public:
    // `scale` device pixels to a tile pixel: the same drawing for a screen
    // of two device pixels to a pixel, its slanted lines and rings traced
    // on the finer grid instead of enlarged.
    explicit Pixels(QImage& img, int scale = 1) : img_(img), s_(scale) {}

    void dot(int x, int y, QColor c) {
        for (int j = 0; j < s_; ++j)
            for (int i = 0; i < s_; ++i) fine(x * s_ + i, y * s_ + j, c);
    }
    void hline(int x0, int x1, int y, QColor c) {
        for (int x = x0; x <= x1; ++x) dot(x, y, c);
    }
    void vline(int x, int y0, int y1, QColor c) {
        for (int y = y0; y <= y1; ++y) dot(x, y, c);
    }
    // Inclusive corners.
    void fill(int x0, int y0, int x1, int y1, QColor c) {
        for (int y = y0; y <= y1; ++y) hline(x0, x1, y, c);
    }
    void frame(int x0, int y0, int x1, int y1, QColor c) {
        hline(x0, x1, y0, c);
        hline(x0, x1, y1, c);
        vline(x0, y0, y1, c);
        vline(x1, y0, y1, c);
    }
    // Bresenham, both ends included; a tile pixel wide.
    void line(int x0, int y0, int x1, int y1, QColor c) {
        for (int j = 0; j < s_; ++j)
            for (int i = 0; i < s_; ++i)
                fineLine(x0 * s_ + i, y0 * s_ + j, x1 * s_ + i, y1 * s_ + j, c);
    }
    // Midpoint circle around a pixel centre; a tile pixel wide.
    void circle(int cx, int cy, int r, QColor c) {
        for (int j = 0; j < s_; ++j)
            for (int i = 0; i < s_; ++i) fineCircle(cx * s_ + i, cy * s_ + j, r * s_, c);
    }

  private:
    void fine(int x, int y, QColor c) {
        if (x >= 0 && y >= 0 && x < img_.width() && y < img_.height()) img_.setPixelColor(x, y, c);
    }
    void fineLine(int x0, int y0, int x1, int y1, QColor c) {
        const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
        const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
        int err = dx + dy;
        for (;;) {
            fine(x0, y0, c);
            if (x0 == x1 && y0 == y1) break;
            const int e2 = 2 * err;
            if (e2 >= dy) err += dy, x0 += sx;
            if (e2 <= dx) err += dx, y0 += sy;
        }
    }
    void fineCircle(int cx, int cy, int r, QColor c) {
        int x = r, y = 0, err = 1 - r;
        while (x >= y) {
            const int pts[8][2] = {{x, y},   {y, x},   {-y, x}, {-x, y},
                                   {-x, -y}, {-y, -x}, {y, -x}, {x, -y}};
            for (const auto& p : pts) fine(cx + p[0], cy + p[1], c);
            ++y;
            if (err < 0) {
                err += 2 * y + 1;
            } else {
                --x;
                err += 2 * (y - x) + 1;
            }
        }
    }

    QImage& img_;
    int s_;
};

QImage transparentImage(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

// ---------------------------------------------------------------------------
// Toolbar tiles. Each is drawn on a transparent 22 x 22 image; placeTile puts
// it on the white strip. White is the strip's transparent colour (the toolbar
// turns it into the button face or the highlight), so the drawing itself never
// uses pure white and its soft edges are blended towards a mid grey, never
// towards white: a pale fringe would show as a halo on the button face.

constexpr int kTile = 22;
constexpr int kTileCount = 1360 / kTile + 1; // 61 full tiles and a partial one
constexpr int kStripWidth = 1360;

const QColor kInk(44, 56, 84);      // outlines: dark slate navy
const QColor kPaper(250, 250, 246); // paper, labels
const QColor kPaperShade(222, 228, 238);
const QColor kEdgeBlend(196, 200, 208); // what soft edges fade into

QImage newTile(int scale) {
    return transparentImage(kTile * scale, kTile * scale);
}

void placeTile(QImage& strip, const QImage& tile, int index) {
    const int size = tile.width();
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QColor c = tile.pixelColor(x, y);
            const double a = c.alphaF();
            QColor out(255, 255, 255);
            if (a >= 0.4) {
                auto mix = [a](int fg, int bg) {
                    return static_cast<int>(std::lround(fg * a + bg * (1.0 - a)));
                };
                out = QColor(mix(c.red(), kEdgeBlend.red()), mix(c.green(), kEdgeBlend.green()),
                             mix(c.blue(), kEdgeBlend.blue()));
                if (out == QColor(255, 255, 255)) out = QColor(252, 252, 252);
            }
            strip.setPixelColor(index * size + x, y, out);
        }
    }
}

// Tile 0: a new blank sheet with its corner folded over.
QImage tileNew(int scale) {
    QImage t = newTile(scale);
    Pixels p(t, scale);
    const int l = 4, r = 17, top = 1, bottom = 20, fold = 5;
    // Paper, leaving the folded corner out.
    for (int y = top + 1; y < bottom; ++y) {
        const int right = y < top + fold ? r - fold + (y - top) - 1 : r - 1;
        p.hline(l + 1, right, y, kPaper);
    }
    // A soft shade along the lower right keeps the sheet from looking flat.
    p.vline(r - 1, top + fold + 1, bottom - 1, kPaperShade);
    p.hline(l + 1, r - 1, bottom - 1, kPaperShade);
    // The flap.
    const QColor flap(206, 214, 228);
    for (int y = top + 1; y < top + fold; ++y) p.hline(r - fold + 1, r - fold + (y - top), y, flap);
    // Outline.
    p.vline(l, top, bottom, kInk);
    p.hline(l, r, bottom, kInk);
    p.hline(l, r - fold, top, kInk);
    p.vline(r, top + fold, bottom, kInk);
    p.line(r - fold, top, r, top + fold, kInk);
    p.vline(r - fold, top, top + fold, kInk);
    p.hline(r - fold, r, top + fold, kInk);
    return t;
}

// Tile 1: an opened folder with a sheet inside.
QImage tileOpen(int scale) {
    QImage t = newTile(scale);
    Pixels p(t, scale);
    const QColor back(222, 166, 48), front(250, 206, 92), frontLight(255, 226, 140),
        edge(132, 88, 16);
    // Back wall with its tab.
    p.fill(2, 4, 7, 5, back);
    p.fill(2, 6, 16, 18, back);
    p.hline(2, 6, 3, edge);
    p.vline(1, 4, 18, edge);
    p.dot(7, 4, edge);
    p.hline(8, 16, 5, edge);
    p.vline(17, 6, 10, edge);
    // A sheet standing in the folder.
    p.fill(5, 7, 15, 11, kPaper);
    p.hline(5, 15, 7, QColor(150, 156, 170));
    p.vline(5, 7, 11, QColor(150, 156, 170));
    p.vline(15, 7, 11, QColor(150, 156, 170));
    p.hline(7, 13, 9, QColor(176, 184, 200));
    // The front flap, tilted open: a parallelogram leaning right.
    const int flapTop = 11, flapBottom = 19;
    for (int y = flapTop; y <= flapBottom; ++y) {
        const int shift = (flapBottom - y) / 2;
        const int x0 = 1 + shift, x1 = 16 + shift;
        p.hline(x0, x1, y, y == flapTop + 1 ? frontLight : front);
        p.dot(x0, y, edge);
        p.dot(x1, y, edge);
    }
    p.hline(1 + (flapBottom - flapTop) / 2, 16 + (flapBottom - flapTop) / 2, flapTop, edge);
    p.hline(1, 16, flapBottom, edge);
    return t;
}

// A diskette of size s x s with its top left corner at (x0, y0): blue body with
// the corner clipped, metal shutter with its slot, paper label with two lines.
void drawDiskette(Pixels& p, int x0, int y0, int s) {
    const QColor body(58, 100, 178), bodyLight(98, 140, 212), metal(198, 204, 214),
        slot(52, 62, 88), ink(24, 38, 84), labelLine(150, 164, 198);
    const int x1 = x0 + s - 1, y1 = y0 + s - 1, clip = 3;
    // Body fill, corner clipped.
    for (int y = y0 + 1; y < y1; ++y) {
        const int right = y - y0 < clip ? x1 - clip + (y - y0) - 1 : x1 - 1;
        p.hline(x0 + 1, right, y, body);
    }
    p.vline(x0 + 1, y0 + 1, y1 - 1, bodyLight);
    // Shutter.
    const int sx0 = x0 + 4, sx1 = x1 - 4, sy1 = y0 + (s * 7) / 20;
    p.fill(sx0, y0 + 1, sx1, sy1 - 1, metal);
    p.vline(sx0, y0, sy1, ink);
    p.vline(sx1, y0, sy1, ink);
    p.hline(sx0, sx1, sy1, ink);
    p.fill(sx1 - 3, y0 + 2, sx1 - 2, sy1 - 2, slot);
    // Label.
    const int lx0 = x0 + 3, lx1 = x1 - 3, ly0 = y1 - (s * 9) / 20;
    p.fill(lx0 + 1, ly0 + 1, lx1 - 1, y1 - 1, kPaper);
    p.hline(lx0, lx1, ly0, ink);
    p.vline(lx0, ly0, y1, ink);
    p.vline(lx1, ly0, y1, ink);
    for (int y = ly0 + 3; y < y1 - 1; y += 2) p.hline(lx0 + 2, lx1 - 2, y, labelLine);
    // Outline.
    p.hline(x0, x1 - clip, y0, ink);
    p.line(x1 - clip, y0, x1, y0 + clip, ink);
    p.vline(x0, y0, y1, ink);
    p.vline(x1, y0 + clip, y1, ink);
    p.hline(x0, x1, y1, ink);
}

// Tile 2: a diskette.
QImage tileSave(int scale) {
    QImage t = newTile(scale);
    Pixels p(t, scale);
    drawDiskette(p, 2, 2, 18);
    return t;
}

// Tile 3: a diskette with a star (save under another name).
QImage tileSaveAs(int scale) {
    QImage t = newTile(scale);
    Pixels p(t, scale);
    drawDiskette(p, 1, 5, 16);
    // The star is the one shape here that needs smooth edges.
    QPainter painter(&t);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    const QPointF c(16.0, 6.5);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? 5.6 : 2.5;
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        star << c + QPointF(r * std::cos(a), r * std::sin(a));
    }
    painter.setPen(QPen(QColor(168, 96, 0), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(255, 198, 24));
    painter.drawPolygon(star);
    return t;
}

// Tile 10: a small target with four orange arrows pointing at it.
QImage tileCapture(int scale) {
    QImage t = newTile(scale);
    Pixels p(t, scale);
    const int c = 11;
    const QColor ring(44, 56, 84), centre(214, 28, 28), arrow(240, 118, 0), arrowDark(176, 74, 0);
    // Crosshair ticks, ring and centre.
    p.vline(c, c - 7, c - 3, ring);
    p.vline(c, c + 3, c + 7, ring);
    p.hline(c - 7, c - 3, c, ring);
    p.hline(c + 3, c + 7, c, ring);
    p.circle(c, c, 5, ring);
    p.fill(c - 1, c - 1, c + 1, c + 1, centre);
    // One arrow per corner, tip just outside the ring, drawn for the top left
    // corner and mirrored about the centre: a solid head, darker on the edges
    // that face the target, and a three-pixel shaft.
    auto at = [&](int dx, int dy, int x, int y, QColor col) {
        p.dot(dx < 0 ? x : 2 * c - x, dy < 0 ? y : 2 * c - y, col);
    };
    for (int dx : {-1, 1}) {
        for (int dy : {-1, 1}) {
            const int tip = 6;
            for (int y = tip - 3; y <= tip; ++y)
                for (int x = tip - 3; x <= tip; ++x)
                    if (x + y >= 2 * tip - 3) at(dx, dy, x, y, arrow);
            for (int i = 1; i <= tip - 3; ++i) {
                at(dx, dy, i, i, arrow);
                at(dx, dy, i + 1, i, arrow);
                at(dx, dy, i, i + 1, arrow);
            }
            for (int i = tip - 3; i <= tip; ++i) {
                at(dx, dy, i, tip, arrowDark);
                at(dx, dy, tip, i, arrowDark);
            }
        }
    }
    return t;
}

// Tile 19: a chart frame with blue marks on its corners (set the scale).
QImage tileScale(int scale) {
    QImage t = newTile(scale);
    Pixels p(t, scale);
    const QColor frameInk(70, 80, 100), inside(236, 242, 250), grid(246, 184, 128),
        mark(0, 92, 220), markLight(72, 150, 240);
    const int l = 5, r = 16, top = 5, bottom = 16;
    p.fill(l, top, r, bottom, inside);
    // A light grid across the chart area.
    for (int i : {l + 4, r - 4}) p.vline(i, top + 1, bottom - 1, grid);
    for (int i : {top + 4, bottom - 4}) p.hline(l + 1, r - 1, i, grid);
    p.frame(l, top, r, bottom, frameInk);
    // Corner marks: two-pixel brackets around each corner of the frame.
    auto bracket = [&](int cx, int cy, int sx, int sy) {
        for (int i = 0; i < 6; ++i) {
            p.dot(cx + sx * i, cy, mark);
            p.dot(cx, cy + sy * i, mark);
            p.dot(cx + sx * i, cy + sy, i == 0 ? mark : markLight);
            p.dot(cx + sx, cy + sy * i, i == 0 ? mark : markLight);
        }
        p.dot(cx + sx, cy + sy, mark);
    };
    bracket(2, 2, 1, 1);
    bracket(19, 2, -1, 1);
    bracket(2, 19, 1, -1);
    bracket(19, 19, -1, -1);
    return t;
}

QImage toolbarStrip(int scale) {
    QImage strip(kStripWidth * scale, kTile * scale, QImage::Format_RGB888);
    strip.fill(QColor(255, 255, 255));
    placeTile(strip, tileNew(scale), 0);
    placeTile(strip, tileOpen(scale), 1);
    placeTile(strip, tileSave(scale), 2);
    placeTile(strip, tileSaveAs(scale), 3);
    placeTile(strip, tileCapture(scale), 10);
    placeTile(strip, tileScale(scale), 19);
    return strip;
}

// ---------------------------------------------------------------------------
// Shared chart motif for the banner and the large icon: a smooth curve through
// a few anchor points, in normalised plot coordinates (0..1, y up).

struct Curve {
    std::vector<QPointF> anchors; // x ascending
    QColor colour;
};

// Catmull-Rom through the anchors, returned as a painter path in the given
// plot rectangle (y of the data grows upwards, the rectangle's downwards).
QPainterPath curvePath(const Curve& c, const QRectF& plot) {
    auto map = [&plot](QPointF q) {
        return QPointF(plot.left() + q.x() * plot.width(), plot.bottom() - q.y() * plot.height());
    };
    QPainterPath path(map(c.anchors.front()));
    const auto n = c.anchors.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const QPointF p0 = map(c.anchors[i == 0 ? 0 : i - 1]);
        const QPointF p1 = map(c.anchors[i]);
        const QPointF p2 = map(c.anchors[i + 1]);
        const QPointF p3 = map(c.anchors[i + 2 < n ? i + 2 : n - 1]);
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    return path;
}

QPointF plotPoint(const QRectF& plot, QPointF q) {
    return {plot.left() + q.x() * plot.width(), plot.bottom() - q.y() * plot.height()};
}

void drawSquarePoint(QPainter& p, QPointF at, double half) {
    p.setPen(QPen(QColor(150, 0, 0), 1.0));
    p.setBrush(QColor(232, 24, 24));
    p.drawRect(QRectF(at.x() - half, at.y() - half, 2 * half, 2 * half));
}

void drawMarker(QPainter& p, QPointF at, double r, double ring) {
    p.setPen(QPen(QColor(0, 150, 0), ring));
    p.setBrush(QColor(0, 127, 127));
    p.drawEllipse(at, r, r);
}

// ---------------------------------------------------------------------------
// The About banner, 436 x 175: a scanned chart slightly askew on a deep blue
// ground, calibrated by its four markers, with curves being captured; the
// program's name beside it.

QImage aboutBanner() {
    const int w = 436, h = 175;
    QImage img(w, h, QImage::Format_ARGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient ground(0, 0, w, h);
    ground.setColorAt(0.0, QColor(18, 38, 82));
    ground.setColorAt(1.0, QColor(14, 76, 112));
    p.fillRect(img.rect(), ground);
    // A faint large-scale grid on the ground, as on graph paper.
    p.setPen(QPen(QColor(255, 255, 255, 14), 1.0));
    for (int x = 8; x < w; x += 24) p.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, h));
    for (int y = 7; y < h; y += 24) p.drawLine(QPointF(0, y + 0.5), QPointF(w, y + 0.5));

    // The sheet, turned by a few degrees like a scan that went in askew.
    p.save();
    p.translate(128, 88);
    p.rotate(-3.0);
    const QRectF sheet(-108, -72, 216, 144);
    for (int i = 6; i >= 1; --i) { // soft shadow
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 10));
        p.drawRoundedRect(sheet.translated(3, 4).adjusted(-i, -i, i, i), 4 + i, 4 + i);
    }
    p.setBrush(QColor(250, 249, 244));
    p.drawRoundedRect(sheet, 3, 3);

    const QRectF plot(-84, -56, 180, 112);
    // Printed grid and axes of the chart.
    p.setPen(QPen(QColor(206, 214, 228), 0.8));
    for (int i = 1; i < 6; ++i) {
        const double x = plot.left() + plot.width() * i / 6;
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    for (int i = 1; i < 4; ++i) {
        const double y = plot.top() + plot.height() * i / 4;
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    p.setPen(QPen(QColor(70, 76, 90), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);
    for (int i = 0; i <= 6; ++i) { // ticks
        const double x = plot.left() + plot.width() * i / 6;
        p.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 3));
    }
    for (int i = 0; i <= 4; ++i) {
        const double y = plot.top() + plot.height() * i / 4;
        p.drawLine(QPointF(plot.left() - 3, y), QPointF(plot.left(), y));
    }

    // The family of curves, each with its captured points.
    const std::vector<Curve> curves = {
        {{{0.04, 0.24}, {0.27, 0.52}, {0.5, 0.70}, {0.73, 0.82}, {0.96, 0.89}},
         QColor(30, 90, 200)},
        {{{0.04, 0.13}, {0.27, 0.33}, {0.5, 0.48}, {0.73, 0.58}, {0.96, 0.64}}, QColor(0, 160, 0)},
        {{{0.04, 0.05}, {0.27, 0.17}, {0.5, 0.26}, {0.73, 0.32}, {0.96, 0.36}},
         QColor(200, 0, 150)},
    };
    for (const Curve& c : curves) {
        p.setPen(QPen(c.colour, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(curvePath(c, plot));
    }
    for (const Curve& c : curves)
        for (const QPointF& a : c.anchors) drawSquarePoint(p, plotPoint(plot, a), 2.5);

    // The calibration quadrilateral and its markers on the plot corners.
    QPen dotted(QColor(0, 127, 127), 1.2, Qt::DotLine);
    p.setPen(dotted);
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);
    for (const QPointF corner :
         {plot.topLeft(), plot.topRight(), plot.bottomRight(), plot.bottomLeft()})
        drawMarker(p, corner, 4.5, 2.0);

    // The capture crosshair on the point being taken.
    const QPointF target = plotPoint(plot, curves[0].anchors[3]);
    p.setPen(QPen(QColor(255, 0, 0), 1.0, Qt::DotLine));
    p.drawLine(QPointF(plot.left(), target.y()), QPointF(plot.right(), target.y()));
    p.drawLine(QPointF(target.x(), plot.top()), QPointF(target.x(), plot.bottom()));
    p.setPen(QPen(QColor(214, 28, 28), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(target, 7.0, 7.0);
    drawSquarePoint(p, target, 2.5);
    p.restore();

    // The name.
    QFont name("DejaVu Sans");
    name.setPixelSize(40);
    name.setBold(true);
    name.setLetterSpacing(QFont::PercentageSpacing, 102);
    p.setFont(name);
    const QRectF nameBox(258, 44, 168, 52);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(nameBox.translated(1.5, 2), Qt::AlignLeft | Qt::AlignVCenter, "Vexilor");
    p.setPen(QColor(246, 248, 252));
    p.drawText(nameBox, Qt::AlignLeft | Qt::AlignVCenter, "Vexilor");

    QFont version("DejaVu Sans");
    version.setPixelSize(22);
    p.setFont(version);
    p.setPen(QColor(132, 196, 240));
    p.drawText(QRectF(260, 96, 160, 30), Qt::AlignLeft | Qt::AlignVCenter, "1.0");

    // An accent rule under the name, in the colours of the curves.
    const double ruleY = 132.5;
    const QColor accents[] = {QColor(30, 90, 200), QColor(0, 160, 0), QColor(200, 0, 150),
                              QColor(240, 118, 0)};
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(accents[i], 3.0, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(261 + i * 36, ruleY), QPointF(261 + i * 36 + 32, ruleY));
    }
    p.end();
    return img.convertToFormat(QImage::Format_RGB888);
}

// ---------------------------------------------------------------------------
// The program icon: a sheet with a calibrated chart, a curve with captured
// points and the capture target on one of them, on a rounded blue tile.

QImage iconLarge(int size) {
    QImage img = transparentImage(size, size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);

    const QRectF tile(8, 8, 240, 240);
    QLinearGradient blue(0, 8, 0, 248);
    blue.setColorAt(0.0, QColor(44, 96, 176));
    blue.setColorAt(1.0, QColor(18, 44, 104));
    p.setPen(QPen(QColor(12, 30, 72), 3.0));
    p.setBrush(blue);
    p.drawRoundedRect(tile.adjusted(1.5, 1.5, -1.5, -1.5), 46, 46);

    const QRectF sheet(34, 38, 188, 180);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(sheet.translated(0, 6), 14, 14);
    p.setBrush(QColor(250, 250, 246));
    p.drawRoundedRect(sheet, 14, 14);

    const QRectF plot(62, 66, 132, 122);
    p.setPen(QPen(QColor(200, 212, 232), 3.0));
    for (int i = 1; i < 4; ++i) {
        const double x = plot.left() + plot.width() * i / 4;
        const double y = plot.top() + plot.height() * i / 4;
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    p.setPen(QPen(QColor(0, 127, 127), 4.0, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);

    const Curve curve{{{0.12, 0.14}, {0.36, 0.52}, {0.62, 0.72}, {0.88, 0.84}},
                      QColor(30, 90, 200)};
    p.setPen(QPen(curve.colour, 12.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(curvePath(curve, plot));
    for (const QPointF& a : {curve.anchors[0], curve.anchors[1], curve.anchors[3]})
        drawSquarePoint(p, plotPoint(plot, a), 9.0);

    for (const QPointF corner :
         {plot.topLeft(), plot.topRight(), plot.bottomRight(), plot.bottomLeft()})
        drawMarker(p, corner, 12.0, 5.0);

    // The capture target on the third point.
    const QPointF target = plotPoint(plot, curve.anchors[2]);
    p.setPen(QPen(QColor(24, 38, 84), 7.0, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(target, 26.0, 26.0);
    for (const QPointF d : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)})
        p.drawLine(target + d * 16.0, target + d * 38.0);
    drawSquarePoint(p, target, 9.0);
    p.end();
    return img;
}

// 32 x 32, planned on the pixel grid; the tile's rounded corners and the curve
// are the only smooth strokes.
QImage icon32() {
    QImage img = transparentImage(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient blue(0, 0, 0, 32);
    blue.setColorAt(0.0, QColor(44, 96, 176));
    blue.setColorAt(1.0, QColor(18, 44, 104));
    p.setPen(QPen(QColor(12, 30, 72), 1.0));
    p.setBrush(blue);
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 246));
    p.drawRoundedRect(QRectF(5, 5, 22, 22), 2, 2);

    // A rising curve that flattens out, through pixel centres.
    auto curveY = [](double x) { // x from 10 to 22
        const double t = (x - 10.0) / 12.0, u = 1.0 - t;
        return 21.0 - 11.0 * (1.0 - u * u * u);
    };
    QPainterPath path(QPointF(10.5, curveY(10) + 0.5));
    for (double x = 10.25; x <= 22.0; x += 0.25) path.lineTo(x + 0.5, curveY(x) + 0.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 90, 200), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.end();

    Pixels px(img);
    const QColor teal(0, 127, 127), green(0, 160, 0), red(222, 28, 28), grid(200, 212, 232);
    // The dotted calibration frame between the markers on the plot corners.
    for (int i = 10; i <= 21; i += 2) {
        px.dot(i, 7, grid);
        px.dot(i, 24, grid);
        px.dot(7, i, grid);
        px.dot(24, i, grid);
    }
    for (int cx : {7, 24})
        for (int cy : {7, 24}) {
            px.fill(cx - 1, cy - 1, cx + 1, cy + 1, teal);
            px.dot(cx, cy, green);
        }
    // Captured points on the curve ends, the target on the point being taken.
    auto point = [&](int x) {
        const int y = static_cast<int>(std::lround(curveY(x)));
        px.fill(x - 1, y - 1, x + 1, y + 1, red);
        return y;
    };
    point(10);
    point(22);
    const int tx = 16, ty = point(tx);
    const QColor scope(24, 38, 84);
    px.circle(tx, ty, 4, scope);
    px.vline(tx, ty - 6, ty - 5, scope);
    px.vline(tx, ty + 5, ty + 6, scope);
    px.hline(tx - 6, tx - 5, ty, scope);
    px.hline(tx + 5, tx + 6, ty, scope);
    return img;
}

// 16 x 16, every pixel placed by hand.
QImage icon16() {
    QImage img = transparentImage(16, 16);
    Pixels px(img);
    const QColor edge(16, 38, 90), blue(36, 82, 160), paper(250, 250, 246), curve(30, 90, 200),
        teal(0, 127, 127), red(222, 28, 28);
    // Rounded blue tile.
    px.fill(1, 0, 14, 15, blue);
    px.fill(0, 1, 15, 14, blue);
    px.hline(2, 13, 0, edge);
    px.hline(2, 13, 15, edge);
    px.vline(0, 2, 13, edge);
    px.vline(15, 2, 13, edge);
    for (int x : {1, 14})
        for (int y : {1, 14}) px.dot(x, y, edge);
    // Sheet with the four markers on its corners.
    px.fill(2, 2, 13, 13, paper);
    for (int x : {2, 13})
        for (int y : {2, 13}) px.dot(x, y, teal);
    // Curve rising from lower left and flattening out, two pixels thick.
    const int ys[] = {11, 9, 7, 6, 5, 5, 4, 4, 4};
    for (int i = 0; i < 9; ++i) {
        px.dot(4 + i, ys[i], curve);
        px.dot(4 + i, ys[i] + 1, curve);
    }
    px.dot(5, 10, curve);
    px.dot(6, 8, curve);
    // Captured points: the ends and one on the bend.
    px.fill(4, 11, 5, 12, red);
    px.fill(7, 6, 8, 7, red);
    px.fill(11, 4, 12, 5, red);
    return img;
}

// ---------------------------------------------------------------------------
// Writing and checking.

bool fail(const char* what, const QString& file) {
    std::fprintf(stderr, "vexilor_picture_generator: %s: %s\n", what, qPrintable(file));
    return false;
}

bool writeImage(const QImage& img, const QString& path, const char* format) {
    if (!img.save(path, format)) return fail("cannot write", path);
    std::printf("wrote %s (%d x %d)\n", qPrintable(path), img.width(), img.height());
    return true;
}

// A 24-bit BMP of the given size, as the program's resource loader expects.
bool checkBmp(const QString& path, int w, int h) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return fail("cannot read back", path);
    const QByteArray head = f.read(30);
    if (head.size() < 30 || head[0] != 'B' || head[1] != 'M') return fail("not a BMP", path);
    auto le = [&head](int at, int bytes) {
        long v = 0;
        for (int i = bytes - 1; i >= 0; --i)
            v = (v << 8) | static_cast<unsigned char>(head[at + i]);
        return v;
    };
    if (le(18, 4) != w || std::abs(static_cast<int>(le(22, 4))) != h)
        return fail("wrong size", path);
    if (le(28, 2) != 24) return fail("not 24 bits per pixel", path);
    return true;
}

// Every tile in use has a picture and every other tile is blank. A drawn pixel
// next to the white background must not be nearly white itself: once the
// toolbar turns white into the button face, it would show as a pale halo.
bool checkStrip(const QString& path, int scale) {
    const QImage strip(path);
    const int tile = kTile * scale;
    if (strip.isNull()) return fail("cannot load", path);
    const QColor white(255, 255, 255);
    auto isWhite = [&](int x, int y) {
        return x < 0 || y < 0 || x >= strip.width() || y >= strip.height() ||
               strip.pixelColor(x, y) == white;
    };
    const std::vector<int> used = {0, 1, 2, 3, 10, 19};
    for (int k = 0; k < kTileCount; ++k) {
        const bool inUse = std::find(used.begin(), used.end(), k) != used.end();
        int drawn = 0;
        for (int y = 0; y < tile; ++y) {
            for (int x = k * tile; x < std::min((k + 1) * tile, kStripWidth * scale); ++x) {
                if (isWhite(x, y)) continue;
                ++drawn;
                const QColor c = strip.pixelColor(x, y);
                const bool pale = std::min({c.red(), c.green(), c.blue()}) >= 235;
                if (pale && (isWhite(x - 1, y) || isWhite(x + 1, y) || isWhite(x, y - 1) ||
                             isWhite(x, y + 1)))
                    return fail("a nearly white pixel borders the background", path);
            }
        }
        if (inUse && drawn == 0) return fail("a tile in use is empty", path);
        if (!inUse && drawn != 0) return fail("an unused tile is not blank", path);
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vexilor_picture_generator OUTDIR\n"
                             "Draws toolbar_strip.bmp, toolbar_strip@2x.bmp, about.bmp,\n"
                             "vexilor.png and vexilor-N.png for N = 16, 32, 48, 64, 128\n"
                             "into OUTDIR.\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        fail("cannot create", out.path());
        return 1;
    }

    const QString strip = out.filePath("toolbar_strip.bmp");
    const QString strip2 = out.filePath("toolbar_strip@2x.bmp");
    const QString about = out.filePath("about.bmp");
    bool ok = writeImage(toolbarStrip(1), strip, "BMP") && checkBmp(strip, kStripWidth, kTile) &&
              checkStrip(strip, 1) && writeImage(toolbarStrip(2), strip2, "BMP") &&
              checkBmp(strip2, 2 * kStripWidth, 2 * kTile) && checkStrip(strip2, 2) &&
              writeImage(aboutBanner(), about, "BMP") && checkBmp(about, 436, 175) &&
              writeImage(iconLarge(256), out.filePath("vexilor.png"), "PNG") &&
              writeImage(icon32(), out.filePath("vexilor-32.png"), "PNG") &&
              writeImage(icon16(), out.filePath("vexilor-16.png"), "PNG");
    // The icon theme's middle sizes, drawn from the 256-pixel design: from 48
    // pixels up its strokes stay clear.
    for (const int size : {48, 64, 128})
        ok = ok && writeImage(iconLarge(size),
                              out.filePath(QStringLiteral("vexilor-%1.png").arg(size)), "PNG");
    return ok ? 0 : 1;
}
