#include "gui/view/image_view.h"

#include "core/messages/catalogue.h"
#include "core/state/picture_change.h"
#include "core/view/point_keys.h"
#include "core/view/pointer_spot.h"
#include "gui/platform/prompts.h"
#include "gui/view/magnifier.h"
#include "gui/view/overlay_painter.h"

#include "gui/platform/prompt_tip.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtConcurrent/QtConcurrentRun>

namespace vex {
namespace {

constexpr int kNotch = 120;
// A line of the plain wheel's scroll, in screen pixels.
constexpr std::int32_t kWheelLinePixels = 20;

ScrollCode codeFor(int action) {
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        return ScrollCode::LineUp;
    case QAbstractSlider::SliderSingleStepAdd:
        return ScrollCode::LineDown;
    case QAbstractSlider::SliderPageStepSub:
        return ScrollCode::PageUp;
    case QAbstractSlider::SliderPageStepAdd:
        return ScrollCode::PageDown;
    case QAbstractSlider::SliderToMinimum:
        return ScrollCode::Top;
    case QAbstractSlider::SliderToMaximum:
        return ScrollCode::Bottom;
    case QAbstractSlider::SliderMove:
        return ScrollCode::ThumbTrack;
    default:
        return ScrollCode::EndScroll;
    }
}

std::int64_t monotonicMs() {
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}

} // namespace

ImageView::ImageView(AppState& s, Picture& picture, ShellServices& shell, QWidget* parent)
    : QAbstractScrollArea(parent), s_(s), picture_(picture), shell_(shell), ticks_(monotonicMs) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Image view"));
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true);
    connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this](int action) { onBarAction(Qt::Horizontal, action); });
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this](int action) { onBarAction(Qt::Vertical, action); });
    promptTimer_.setSingleShot(true);
    promptTimer_.setInterval(50);
    connect(&promptTimer_, &QTimer::timeout, this, [this] { showMarkerPrompt(); });
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        // Releasing the thumb keeps the position it was dragged to.
        connect(bar, &QAbstractSlider::sliderReleased, this,
                [this, bar] { scrollBy(bar->orientation(), ScrollCode::ThumbPosition); });
    }
    worker_.setMaxThreadCount(1);
    workDelay_.setSingleShot(true);
    workDelay_.setInterval(40);
    connect(&workDelay_, &QTimer::timeout, this, [this] { startWork(); });
    connect(&work_, &QFutureWatcher<PictureWork>::finished, this, [this] { takeWork(); });
    magnifier_ = new Magnifier(picture_, viewport());
    readout_ = new QLabel(viewport());
    readout_->setAccessibleName(QStringLiteral("Pointer coordinates"));
    readout_->setAttribute(Qt::WA_TransparentForMouseEvents);
    readout_->setAutoFillBackground(true);
    readout_->setFrameShape(QFrame::Box);
    readout_->setMargin(2);
    readout_->hide();
}

const QWidget& ImageView::magnifier() const {
    return *magnifier_;
}

void ImageView::setMagnifierShown(bool shown) {
    magnifierShown_ = shown;
    showPlacingAids();
}

void ImageView::showPlacingAids() {
    showMagnifier();
    showReadout();
}

void ImageView::showMagnifier() {
    if (!magnifierShown_ || !pointerInside_ || !showsPicture() || !placesPrecisely(s_)) {
        magnifier_->hide();
        return;
    }
    const PictureSpot spot = spotInWork(s_);
    const ViewState& v = s_.view;
    const double toPicture = static_cast<double>(v.ViewScale) / static_cast<double>(v.Zoom);
    magnifier_->showAround(
        QPointF(spot.x * toPicture, spot.y * toPicture), magnifierScale(v.Zoom),
        QPoint(toScreen(spot.x, v.ViewScale, v.ScrollX), toScreen(spot.y, v.ViewScale, v.ScrollY)));
}

void ImageView::showReadout() {
    const std::optional<std::string> text = pointerInside_ ? vex::pointerReadout(s_) : std::nullopt;
    if (!text) {
        readout_->hide();
        return;
    }
    readout_->setText(QString::fromStdString(*text));
    readout_->adjustSize();
    // In the lower left corner, or the lower right one while the pointer is near.
    constexpr int kMargin = 4;
    const QPoint pointer(s_.mouse.MouseX, s_.mouse.MouseY);
    QRect at(QPoint(kMargin, viewport()->height() - readout_->height() - kMargin),
             readout_->size());
    if (at.adjusted(-40, -40, 40, 40).contains(pointer))
        at.moveRight(viewport()->width() - kMargin - 1);
    readout_->move(at.topLeft());
    readout_->show();
}

bool ImageView::LOADBMPFROMFILE1() {
    const QString path = QString::fromStdString(s_.doc.ImagePath).trimmed();
    return !path.isEmpty() && openPictureFile(path, nullptr);
}

bool ImageView::openPictureFile(const QString& path, Prompts* prompts) {
    if (const std::optional<UserMessage> failure = picture_.load(path)) {
        if (prompts) prompts->show(*failure, s_.InterfaceLanguage);
        return false;
    }
    showTakenPicture(path.toStdString());
    return true;
}

void ImageView::showPictureWithoutFile(const QImage& image) {
    picture_.setImage(image);
    showTakenPicture({});
    s_.PictureOnlyInMemory = true;
}

void ImageView::showTakenPicture(const std::string& path) {
    s_.view.CanvasWidth = viewport()->width();
    s_.view.CanvasHeight = viewport()->height();
    takeOpenedPicture(s_, path, picture_.width(), picture_.height());
    updateScrollBars();
    viewport()->repaint();
}

void ImageView::dropPicture() {
    picture_.clear();
    s_.view.ScrollX = s_.view.ScrollY = 0;
    s_.view.ViewScale = 1.0f;
    updateScrollBars();
}

void ImageView::updateScrollBars() {
    syncBar(Qt::Horizontal);
    syncBar(Qt::Vertical);
}

void ImageView::syncBar(Qt::Orientation orientation) {
    QScrollBar* bar = orientation == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar();
    ScrollBarInfo info =
        orientation == Qt::Horizontal ? horizontalBar(s_.view) : verticalBar(s_.view);
    if (!showsPicture()) {
        const std::int32_t canvas =
            orientation == Qt::Horizontal ? s_.view.CanvasWidth : s_.view.CanvasHeight;
        info = {0, canvas, canvas, 0};
    }
    syncingBars_ = true;
    // The window system's positions run from nMin to nMax - nPage + 1.
    bar->setRange(info.nMin, std::max(info.nMin, info.nMax - info.nPage + 1));
    bar->setPageStep(std::max(1, info.nPage));
    bar->setSingleStep(1);
    bar->setValue(info.nPos);
    syncingBars_ = false;
}

void ImageView::onBarAction(Qt::Orientation orientation, int action) {
    if (syncingBars_) return;
    QScrollBar* bar = orientation == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar();
    // The bar has moved its slider by its own rule already; ours decides.
    scrollBy(orientation, codeFor(action), bar->sliderPosition());
    bar->setSliderPosition(orientation == Qt::Horizontal ? s_.view.ScrollX : s_.view.ScrollY);
}

void ImageView::scrollBy(Qt::Orientation orientation, ScrollCode code, std::int32_t trackPosition) {
    const bool horizontal = orientation == Qt::Horizontal;
    std::int32_t& position = horizontal ? s_.view.ScrollX : s_.view.ScrollY;
    std::int32_t& painted = horizontal ? s_.view.PaintedScrollX : s_.view.PaintedScrollY;
    const ScrollBarInfo bar = horizontal ? horizontalBar(s_.view) : verticalBar(s_.view);
    position = scrollBarPosition(code, bar, position, trackPosition);
    if (code != ScrollCode::ThumbTrack && code != ScrollCode::EndScroll) syncBar(orientation);
    if (position != painted) {
        viewport()->repaint(); // live, also while the thumb is dragged
        painted = position;
    }
}

void ImageView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    s_.view.CanvasWidth = viewport()->width();
    s_.view.CanvasHeight = viewport()->height();
    if (showsPicture()) applyScrollRangeRule(s_.view, s_.doc);
    updateScrollBars();
}

void ImageView::wheelEvent(QWheelEvent* event) {
    event->accept();
    const std::int64_t now = ticks_();
    // The wheel refreshes the hover state as a move to its position would.
    const QPoint pointer = event->position().toPoint();
    apply(vex::mouseMove(s_, pointer.x(), pointer.y(), {}));
    // Fine-grained wheels and touchpads send parts of a notch; a zoom step
    // waits for a whole one, in either direction. Turning back starts afresh:
    // a part left over the other way would swallow the first notch back.
    // Some systems turn a SHIFT + wheel into a sideways wheel.
    const QPoint angle = event->angleDelta();
    const int delta = angle.y() != 0 ? angle.y() : angle.x();
    if ((delta > 0 && wheelRemainder_ < 0) || (delta < 0 && wheelRemainder_ > 0))
        wheelRemainder_ = 0;
    wheelRemainder_ += delta;
    const int notches = wheelRemainder_ / kNotch;
    wheelRemainder_ -= notches * kNotch;
    if (notches == 0 || !showsPicture()) return;
    if (event->modifiers() & Qt::ControlModifier) {
        zoomAbout(notches, now, pointer);
    } else {
        const bool sideways = (event->modifiers() & Qt::ShiftModifier) || angle.y() == 0;
        scrollByWheel(sideways ? Qt::Horizontal : Qt::Vertical, notches);
    }
}

void ImageView::keyPressEvent(QKeyEvent* event) {
    if (s_.trace.on) {
        if (event->key() == Qt::Key_Escape) return shell_.trace(TraceInput::Leave);
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            return shell_.trace(TraceInput::Take);
    }
    if (event->key() == Qt::Key_Escape) {
        if (!callOffDrag(s_)) return QAbstractScrollArea::keyPressEvent(event);
        MouseEffects e;
        e.cursor = s_.work.CaptureMode == 1 ? CursorShape::Cross : CursorShape::Arrow;
        e.showPoint = e.repaint = true;
        return apply(e);
    }
    // An arrow moves the selected points by a screen pixel, SHIFT by ten;
    // the bars keep the view's scrolling.
    const int pixels = (event->modifiers() & Qt::ShiftModifier) ? 10 : 1;
    int dx = 0;
    int dy = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        dx = -pixels;
        break;
    case Qt::Key_Right:
        dx = pixels;
        break;
    case Qt::Key_Up:
        dy = -pixels;
        break;
    case Qt::Key_Down:
        dy = pixels;
        break;
    default:
        return QAbstractScrollArea::keyPressEvent(event);
    }
    if (nudgeSelectedPoints(s_, dx, dy)) {
        MouseEffects e;
        e.showPoint = e.repaint = true;
        apply(e);
        shell_.recordEdit(s_.mouse.SelectionCount > 1 ? EditKind::MovePoints : EditKind::MovePoint);
    }
    event->accept();
}

void ImageView::zoomAbout(int notches, std::int64_t now, QPoint at) {
    zoomStep(s_.view, s_.doc, notches, now, at.x(), at.y());
    updateScrollBars();
    viewport()->repaint();
    showPlacingAids();
}

void ImageView::scrollByWheel(Qt::Orientation orientation, int notches) {
    const bool horizontal = orientation == Qt::Horizontal;
    const ScrollBarInfo bar = horizontal ? horizontalBar(s_.view) : verticalBar(s_.view);
    const std::int32_t position = horizontal ? s_.view.ScrollX : s_.view.ScrollY;
    const std::int32_t step = QApplication::wheelScrollLines() * kWheelLinePixels;
    scrollBy(orientation, ScrollCode::ThumbTrack,
             wheelScrollPosition(bar, position, notches, step));
    syncBar(orientation);
}

void ImageView::zoomFromKeyboard(int notches) {
    if (!showsPicture()) return;
    zoomAbout(notches, ticks_(), QPoint(s_.view.CanvasWidth / 2, s_.view.CanvasHeight / 2));
}

void ImageView::zoomToFit() {
    if (!showsPicture()) return;
    backToFittedView(s_.view, s_.doc);
    updateScrollBars();
    viewport()->repaint();
}

namespace {

Modifiers keysOf(const QMouseEvent* e) {
    return {(e->modifiers() & Qt::ShiftModifier) != 0, (e->modifiers() & Qt::ControlModifier) != 0};
}

} // namespace

void ImageView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (s_.trace.on && event->button() == Qt::LeftButton) {
        const ViewState& v = s_.view;
        return shell_.trace(TraceInput::Click, {toStored(at.x(), v.ViewScale, v.ScrollX),
                                                toStored(at.y(), v.ViewScale, v.ScrollY)});
    }
    switch (event->button()) {
    case Qt::LeftButton: {
        const bool capturing = s_.work.CaptureMode == 1;
        apply(leftButtonDown(s_, at.x(), at.y(), keysOf(event)));
        pendingEdit_ = editOfLeftButton(capturing);
        break;
    }
    case Qt::RightButton:
        apply(rightButtonDown(s_, at.x(), at.y()));
        break;
    case Qt::MiddleButton:
        pendingEdit_ = EditKind::InsertPoint;
        apply(middleButtonDown(s_, at.x(), at.y()));
        break;
    default:
        break;
    }
}

void ImageView::mouseReleaseEvent(QMouseEvent* event) {
    if (s_.trace.on && event->button() == Qt::LeftButton) return; // the press traced
    if (event->button() == Qt::LeftButton) apply(leftButtonUp(s_));
    if (event->button() == Qt::RightButton) apply(rightButtonUp(s_));
}

void ImageView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        const bool capturing = s_.work.CaptureMode == 1;
        apply(leftDoubleClick(s_, at.x(), at.y()));
        pendingEdit_ = editOfLeftButton(capturing);
    }
    // A double click of another button is just a second press.
    if (event->button() == Qt::MiddleButton) {
        pendingEdit_ = EditKind::InsertPoint;
        apply(middleButtonDown(s_, at.x(), at.y()));
    }
}

void ImageView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    // A drag ends where the pointer leaves the view, though the toolkit keeps
    // sending moves while the button is held.
    const Interaction& m = s_.mouse;
    const bool dragging = m.PointDragging || m.Panning || m.MarkerDragging || m.GroupMoving != 0;
    pointerInside_ = viewport()->rect().contains(at);
    if (dragging && !pointerInside_) {
        apply(mouseLeave(s_));
        return;
    }
    apply(mouseMove(s_, at.x(), at.y(), keysOf(event)));
}

bool ImageView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Leave) {
        pointerInside_ = false;
        apply(mouseLeave(s_));
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void ImageView::showMarkerPrompt() {
    const int k = markerToPrompt(s_);
    if (k < 1 || promptTip().isShown()) return;
    const int x = toScreen(s_.doc.MarkerPixX(k), s_.view.ViewScale, s_.view.ScrollX);
    const int y = toScreen(s_.doc.MarkerPixY(k), s_.view.ViewScale, s_.view.ScrollY);
    promptTip().DrawPrompt(viewport(), x, y, k, s_.InterfaceLanguage);
}

void ImageView::apply(const MouseEffects& e) {
    switch (e.cursor) {
    case CursorShape::Arrow:
        viewport()->setCursor(Qt::ArrowCursor);
        break;
    case CursorShape::Cross:
        viewport()->setCursor(Qt::CrossCursor);
        break;
    case CursorShape::SizeAll:
        viewport()->setCursor(Qt::SizeAllCursor);
        break;
    case CursorShape::Unchanged:
        break;
    }
    if (e.startPromptTimer) promptTimer_.start();
    if (e.removePrompt && promptTimer_.isActive()) promptTimer_.stop();
    if (e.removePrompt && promptTip().isShown() &&
        promptTip().window()->parentWidget() == viewport())
        promptTip().KillToolTipWindow();
    if (e.scrolled) updateScrollBars();
    if (e.showPoint) shell_.showCurrentPoint();
    if (e.showBundleParameter) shell_.showBundleParameter();
    shell_.refreshAfter({.panel = e.refreshPanel,
                         .statusBar = e.refreshStatusBar ? 0 : NotRefreshed,
                         .menus = e.refreshMenus ? 1 : NotRefreshed,
                         .toolbarIcons = e.refreshToolbar ? 1 : NotRefreshed,
                         .toolbar = e.repaintToolbar || e.refreshToolbar,
                         .view = e.repaint,
                         .focusView = e.focusView});
    // After the panel's states are recomputed: these controls stay enabled.
    for (int control : e.enablePanel) shell_.enablePanelControl(control);
    if (e.openContextMenu && contextMenu_) {
        const QPoint global = viewport()->mapToGlobal(QPoint(s_.mouse.MouseX, s_.mouse.MouseY));
        if (QAction* chosen = contextMenu_->exec(global))
            shell_.contextCommand(chosen->data().toInt());
    }
    // A press, a drag or a double click is one edit, once the button is up.
    if (pendingEdit_ && !s_.mouse.LeftButtonDown) {
        shell_.recordEdit(*pendingEdit_);
        pendingEdit_.reset();
    }
    showPlacingAids();
}

EditKind ImageView::editOfLeftButton(bool capturing) const {
    const Interaction& m = s_.mouse;
    if (m.MarkerDragging) return EditKind::MoveMarker;
    if (m.GroupMoving != 0) return EditKind::MovePoints;
    if (m.PointDragging) return EditKind::MovePoint;
    return capturing ? EditKind::CapturePoint : EditKind::Edit;
}

void ImageView::paintEvent(QPaintEvent*) {
    // Capture shows its cross while the pointer moves; however the mode has
    // ended since (button, menu, a full line, Delete Line, a new project...), the
    // view is repainted afterwards, and the cross goes with it.
    if (s_.work.CaptureMode != 1 && viewport()->cursor().shape() == Qt::CrossCursor)
        viewport()->setCursor(Qt::ArrowCursor);
    QPainter painter(viewport());
    paintCanvas(painter, viewport()->rect());
}

void ImageView::paintCanvas(QPainter& painter, const QRect& client) {
    const QColor window = palette().color(QPalette::Base);
    painter.fillRect(client, window);
    painter.setPen(Qt::black);
    painter.drawRect(client.adjusted(1, 1, -1, -1));
    if (showsPicture()) drawPicture(painter, client);

    const OverlayOutcome outcome = LOADANDCORRECTIMAGE(painter, client, s_, s_.overlay);
    if (s_.work.ScaleMode != 0) emit calibrationShapeChecked(outcome.shapeErrors == 0);

    // The window's edge is painted over picture and overlay.
    const int right = client.right() + 1, bottom = client.bottom() + 1;
    painter.setPen(window);
    painter.drawPolyline(QPolygon({{0, bottom},
                                   {0, 0},
                                   {right, 0},
                                   {right, 1},
                                   {1, 1},
                                   {1, bottom - 1},
                                   {right - 1, bottom - 1},
                                   {right - 1, 1}}));
}

bool ImageView::workBeside(const QSize& reduceTo) {
    const bool reduce = reduceTo.isValid();
    if (reduce && !picture_.keepsReduced(reduceTo)) return false;
    // Work under way for this picture halves it too, if it needs that.
    if (working_ && workGeneration_ == picture_.generation() && (!reduce || reducing_ == reduceTo))
        return true;
    working_ = true;
    workGeneration_ = picture_.generation();
    reducing_ = reduceTo;
    // Begun once the view has been still for a moment: during a quick turn
    // of the wheel the frames keep both processors to themselves.
    workDelay_.start();
    return true;
}

void ImageView::startWork() {
    if (!working_ || workGeneration_ != picture_.generation()) return;
    if (picture_.halvingsReady() && (!reducing_.isValid() || picture_.hasReduced(reducing_))) {
        working_ = false; // what was asked for has come meanwhile
        reducing_ = QSize();
        return;
    }
    // The picture's data is shared with the other thread, not copied, and
    // stays valid however the picture changes meanwhile. A request that a
    // newer one has overtaken before it began is dropped.
    const bool halve = !picture_.halvingsReady();
    const QSize reduceTo = reducing_;
    const int request = ++*latestWork_;
    work_.setFuture(QtConcurrent::run(
        &worker_, [levels = picture_.levels(), halve, reduceTo, request, latest = latestWork_] {
            PictureWork done;
            if (*latest != request) return done;
            std::vector<QImage> all = levels;
            if (halve) {
                done.halvings = Picture::halvingsOf(all.front());
                done.halved = true;
                all.insert(all.end(), done.halvings.begin(), done.halvings.end());
            }
            if (reduceTo.isValid())
                done.reduced = Picture::reduce(Picture::sourceAmong(all, reduceTo), reduceTo);
            return done;
        }));
}

void ImageView::takeWork() {
    PictureWork done = work_.result();
    // Made for a picture that has gone since: of no use.
    if (workGeneration_ != picture_.generation()) return;
    if (done.halved) picture_.takeHalvings(std::move(done.halvings));
    if (!done.reduced.isNull() && done.reduced.size() == reducing_)
        picture_.takeReduced(std::move(done.reduced));
    viewport()->update();
    if (workDelay_.isActive()) return; // a newer request waits for its moment
    working_ = false;
    reducing_ = QSize();
}

void ImageView::drawPicture(QPainter& painter, const QRect& client) {
    const float zoom = s_.view.Zoom;
    const QRect target(-s_.view.ScrollX, -s_.view.ScrollY,
                       truncToInt(static_cast<float>(picture_.width()) * zoom),
                       truncToInt(static_cast<float>(picture_.height()) * zoom));
    const QRect visible = target.intersected(client);
    if (visible.isEmpty()) return;
    if (framesSettledAtOnce_) picture_.makeHalvingsNow();

    // On a screen of more device pixels to a pixel, the picture is drawn for
    // the device pixels, not for the pixels and then enlarged.
    const qreal ratio = painter.device()->devicePixelRatioF();
    const float deviceZoom = zoom * static_cast<float>(ratio);

    // Reduced to little more than the canvas, the picture is kept at the zoom
    // and only its visible part is copied; a larger copy would cost more to
    // make at each zoom step than it saves.
    const qint64 targetPixels = qint64(target.width()) * target.height();
    if (deviceZoom < 1.0f && targetPixels <= 4 * qint64(client.width()) * client.height() &&
        drawReducedCopy(painter, target, visible, ratio))
        return;
    // The halved copies of a picture just opened are made beside the
    // program's thread; until they are there, frames come from the picture.
    if (!picture_.halvingsReady()) workBeside(QSize());
    // Otherwise only the visible part is drawn, from the copy that fits the zoom.
    float levelScale = 1.0f;
    const QImage& level = picture_.levelFor(deviceZoom, levelScale);
    const double sx = static_cast<double>(level.width()) / target.width();
    const double sy = static_cast<double>(level.height()) / target.height();
    const QRectF source((visible.x() - target.x()) * sx, (visible.y() - target.y()) * sy,
                        visible.width() * sx, visible.height() * sy);
    // Magnified, every picture pixel shows as a crisp square: a plain copy.
    if (deviceZoom >= 1.0f) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRectF(visible), level, source);
        return;
    }
    drawSmoothed(painter, {level.cacheKey(), target, visible, ratio}, level, source);
}

bool ImageView::drawReducedCopy(QPainter& painter, const QRect& target, const QRect& visible,
                                qreal ratio) {
    // The copy is made beside the program's thread: until it is ready
    // (after a zoom notch) the frame is drawn another way.
    const QSize size = target.size() * ratio;
    if (!framesSettledAtOnce_ && !picture_.hasReduced(size) && workBeside(size)) return false;
    const QImage& reduced = picture_.reducedTo(size);
    if (reduced.isNull()) return false;
    const QRect part = visible.translated(-target.topLeft());
    // At one device pixel to a pixel, a plain copy of the part, as always.
    if (ratio == 1.0)
        painter.drawImage(visible.topLeft(), reduced, part);
    else
        painter.drawImage(QRectF(visible), reduced,
                          QRectF(QPointF(part.topLeft()) * ratio, QSizeF(part.size()) * ratio));
    return true;
}

void ImageView::drawSmoothed(QPainter& painter, const ShownPartKey& key, const QImage& level,
                             const QRectF& source) {
    // Smoothing costs a frame's time: the smoothed part is kept for the
    // frames that show the same part again (a point dragged, the pointer
    // over the picture). A part shown once (a step of a zoom or a pan) is
    // drawn straight, as keeping it would only add a copy.
    const bool kept = !shownPart_.image.isNull() && shownPart_.key == key;
    const bool again = lastSmoothed_ == key;
    lastSmoothed_ = key;
    if (!kept && !again) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawImage(QRectF(key.visible), level, source);
        return;
    }
    if (!kept) {
        QImage part(key.visible.size() * key.ratio, QImage::Format_RGB32);
        part.setDevicePixelRatio(key.ratio);
        QPainter smoothing(&part);
        smoothing.setRenderHint(QPainter::SmoothPixmapTransform, true);
        smoothing.drawImage(QRectF(QPointF(0, 0), QSizeF(key.visible.size())), level, source);
        smoothing.end();
        shownPart_ = {key, std::move(part)};
    }
    painter.drawImage(key.visible.topLeft(), shownPart_.image);
}

} // namespace vex
