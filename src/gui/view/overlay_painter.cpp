#include "gui/view/overlay_painter.h"

#include "core/coords/mapping.h"
#include "core/view/view_math.h"

#include <QPainter>
#include <QPolygon>
#include <QVector>

namespace vex {
namespace {

QColor colour(int r, int g, int b) {
    return QColor(r, g, b);
}

QPen solid(const QColor& c, int width) {
    QPen p(c, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    p.setCosmetic(true);
    return p;
}

QPen dotted(const QColor& c) {
    QPen p(c, 1, Qt::DotLine, Qt::FlatCap, Qt::MiterJoin);
    p.setCosmetic(true);
    return p;
}

// A shape given by its corners, as the old drawing calls take it: it covers
// them up to, not including, the right and bottom ones. Drawn with a pen, a
// QRect covers one pixel more each way than its size, hence one less here.
QRect corners(int left, int top, int right, int bottom) {
    return QRect(QPoint(left, top), QPoint(right - 2, bottom - 2)).normalized();
}

class Overlay {
  public:
    Overlay(QPainter& p, const QRect& clip, const AppState& s, OverlayRecord& record)
        : p_(p), clip_(clip), s_(s), record_(record), sizes_(overlaySizes(s.view.ViewScale)) {}

    OverlayOutcome draw() {
        const bool scale = s_.work.ScaleMode != 0;
        const ShapeCheck shape = checkCalibrationShape(s_.doc);
        for (int k = 1; k <= 4; ++k)
            record_.CornerFolded(k) = shape.folded[static_cast<std::size_t>(k - 1)];

        QPen outline = scale ? solid(colour(0, 160, 0), 2) : dotted(colour(0, 127, 127));
        if (scale && shape.S > 0) outline = solid(colour(0, 0, 0), 4);
        p_.setPen(outline);
        p_.setBrush(Qt::NoBrush);
        p_.drawPolygon(QPolygon({marker(1), marker(2), marker(3), marker(4)}));

        drawGrid();
        if (scale && shape.S == 0) drawSharpCorners();
        if (s_.mouse.LeftButtonDown && s_.work.CaptureMode == 1) drawCrosshair();
        drawMarkers(scale);
        for (int line = 1; line <= s_.doc.NLines; ++line) {
            drawSegments(line);
            drawPoints(line);
        }
        if (s_.work.SplineShown == 1) drawSpline();
        if (s_.trace.on && !s_.trace.shown.empty()) drawTraceShown();
        return {shape.S};
    }

  private:
    QPoint screen(float x, float y) const {
        return {toScreen(x, s_.view.ViewScale, s_.view.ScrollX),
                toScreen(y, s_.view.ViewScale, s_.view.ScrollY)};
    }
    QPoint screen(const PlanePoint& p) const {
        return screen(static_cast<float>(p.x), static_cast<float>(p.y));
    }
    QPoint marker(int k) const { return screen(s_.doc.MarkerPixX(k), s_.doc.MarkerPixY(k)); }
    void line(const PlaneSegment& l) { p_.drawLine(screen(l.from), screen(l.to)); }

    // At equal steps of the normalised coordinates: of the logarithm on a
    // logarithmic axis, through the perspective under the projective mapping.
    void drawGrid() {
        p_.setPen(dotted(colour(255, 102, 0)));
        for (int i = 1; i <= s_.work.XGrid - 1; ++i)
            line(segmentOfConstantA(s_.doc, static_cast<double>(i) / s_.work.XGrid));
        for (int i = 1; i <= s_.work.YGrid - 1; ++i)
            line(segmentOfConstantB(s_.doc, static_cast<double>(i) / s_.work.YGrid));
    }

    void drawSharpCorners() {
        const std::array<float, 4> angles = cornerAngles(s_.doc);
        p_.setPen(solid(colour(255, 0, 0), 3));
        for (int corner = 1; corner <= 4; ++corner) {
            record_.CornerAngle(corner) = angles[static_cast<std::size_t>(corner - 1)];
            if (!cornerAngleIsBad(record_.CornerAngle(corner))) continue;
            const int before = (corner + 2) % 4 + 1, after = corner % 4 + 1;
            p_.drawPolyline(QPolygon({marker(before), marker(corner), marker(after)}));
        }
    }

    void drawCrosshair() {
        p_.setPen(dotted(colour(255, 0, 0)));
        line(segmentOfConstantA(s_.doc, s_.mouse.LastSolvedA));
        line(segmentOfConstantB(s_.doc, s_.mouse.LastSolvedB));
    }

    void drawMarkers(bool scale) {
        const auto r = static_cast<float>(sizes_.r);
        if (scale) {
            p_.setPen(solid(colour(0, 160, 0), 2));
            p_.setBrush(colour(180, 255, 180));
        } else {
            p_.setPen(solid(colour(0, 150, 0), sizes_.w));
            p_.setBrush(colour(0, 127, 127));
        }
        for (int k = 1; k <= 4; ++k) {
            const float cx =
                s_.view.ViewScale * s_.doc.MarkerPixX(k) - static_cast<float>(s_.view.ScrollX);
            const float cy =
                s_.view.ViewScale * s_.doc.MarkerPixY(k) - static_cast<float>(s_.view.ScrollY);
            const HitBox box{truncToInt(cx - r), truncToInt(cy + r), truncToInt(cx + r),
                             truncToInt(cy - r)};
            record_.MarkerHitBox(k) = box;
            p_.drawEllipse(corners(box.left, box.bottom, box.right, box.top));
        }
    }

    void drawSegments(int line) {
        const int n = s_.doc.NPoints(line);
        if (n < 2) return;
        const bool current = line == s_.work.CurLine;
        // The table colour is taken for the current line too, which draws green:
        // a line above 20 inherits from whatever line came before it.
        lineColourFor(line, record_.LineColour);
        const Rgb c = record_.LineColour;
        QPen pen(current ? colour(0, 160, 0) : colour(c.r, c.g, c.b), 2, Qt::SolidLine,
                 Qt::SquareCap);
        p_.setPen(pen);
        // Segment by segment, as the line is built: far cheaper than joining
        // a wide polyline, and square ends close the corners.
        segments_.clear();
        QPoint previous = screen(s_.doc.PixX(line, 1), s_.doc.PixY(line, 1));
        for (int k = 2; k <= n; ++k) {
            const QPoint next = screen(s_.doc.PixX(line, k), s_.doc.PixY(line, k));
            segments_.push_back(QLine(previous, next));
            previous = next;
        }
        p_.drawLines(segments_);
    }

    void drawPoints(int line) {
        const int r = sizes_.r;
        const QPen framePen = solid(colour(0, 150, 0), sizes_.w);
        const Interaction& m = s_.mouse;
        const bool current = line == s_.work.CurLine;
        p_.setBrush(colour(255, 0, 0));
        // Squares of one line look alike, so they go out in one call, and
        // only those that can show. Frames of the current line come first,
        // each under its own square.
        squares_.clear();
        for (int k = 1; k <= s_.doc.NPoints(line); ++k) {
            const QPoint at = screen(s_.doc.PixX(line, k), s_.doc.PixY(line, k));
            const int sx = at.x(), sy = at.y();
            record_.PointHitBox(line, k) = {sx - r, sy + r, sx + r, sy - r};
            const QRect square = corners(sx - r, sy - r, sx + r, sy + r);
            if (!clip_.intersects(square.adjusted(-r - 8, -r - 8, 2 * r + 8, 2 * r + 8))) continue;
            if (current && m.SelectionCount == 1 && k == s_.work.CurPoint) {
                flushSquares();
                p_.setPen(framePen);
                p_.drawRect(corners(sx - r - 2, sy - r - 2, sx + r + 2, sy + r + 2));
            }
            if (current && m.SelectionCount > 1) {
                flushSquares();
                drawSelectionFrames(line, k, sx, sy, framePen);
            }
            squares_.push_back(square);
        }
        flushSquares();
    }

    void flushSquares() {
        if (squares_.isEmpty()) return;
        p_.setPen(solid(colour(255, 0, 0), 1));
        p_.drawRects(squares_);
        squares_.clear();
    }

    void drawSelectionFrames(int line, int k, int sx, int sy, const QPen& framePen) {
        const Interaction& m = s_.mouse;
        const int r = sizes_.r, h = r / 2;
        for (int j = 1; j <= std::min<int>(m.SelectionCount, PointSlots); ++j) {
            if (m.Selection(j) != k) continue;
            p_.setPen(framePen);
            if (m.GroupMoving != 0) {
                p_.drawRect(corners(sx - 2, sy - 2, sx + 2 * r + 2, sy + 2 * r + 2));
                p_.drawRect(
                    corners(sx - r + h - 2, sy - r + h - 2, sx + r + h + 2, sy + r + h + 2));
            }
            p_.drawRect(corners(sx - r - 2, sy - r - 2, sx + r + 2, sy + r + 2));
            if (k == s_.work.CurPoint && m.GroupMoving != 0 && m.GroupAnchor >= 1 &&
                m.GroupAnchor <= PointSlots) {
                p_.setPen(dotted(colour(255, 102, 0)));
                p_.drawLine(
                    QPoint(m.DragStartX, m.DragStartY),
                    screen(s_.doc.PixX(line, m.GroupAnchor), s_.doc.PixY(line, m.GroupAnchor)));
            }
        }
    }

    // The trace not yet taken, wide and see-through over the curve it follows.
    void drawTraceShown() {
        QColor c = colour(255, 80, 0); // no line's colour
        c.setAlpha(120);
        p_.setPen(solid(c, 6));
        const float zoom = s_.view.storedPerPicturePixel();
        QPolygon polyline;
        for (const PlanePoint& q : s_.trace.shown)
            polyline << screen(static_cast<float>(q.x) * zoom, static_cast<float>(q.y) * zoom);
        p_.drawPolyline(polyline);
    }

    void drawSpline() {
        const SplineSamples& sp = s_.spline;
        p_.setPen(solid(colour(0, 0, 0), 1));
        QPolygon polyline;
        for (int i = 1; i <= std::min<int>(sp.SplinePixCount, PointSlots); ++i)
            polyline << screen(sp.SplinePixX(i), sp.SplinePixY(i));
        p_.drawPolyline(polyline);
        if (s_.work.SplinePointMode == 1) {
            const int R = sizes_.R;
            const QPoint at = screen(sp.SplinePointX, sp.SplinePointY);
            p_.setBrush(colour(64, 0, 128));
            p_.drawEllipse(corners(at.x() - R - 1, at.y() - R - 1, at.x() + R + 1, at.y() + R + 1));
        }
    }

    QPainter& p_;
    QRect clip_;
    const AppState& s_;
    QVector<QRect> squares_;
    QVector<QLine> segments_;
    OverlayRecord& record_;
    OverlaySizes sizes_;
};

} // namespace

OverlayOutcome LOADANDCORRECTIMAGE(QPainter& painter, const QRect& client, const AppState& s,
                                   OverlayRecord& record) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const OverlayOutcome outcome = Overlay(painter, client, s, record).draw();
    painter.restore();
    return outcome;
}

} // namespace vex
