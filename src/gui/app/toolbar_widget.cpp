#include "gui/app/toolbar_widget.h"

#include "core/messages/catalogue.h"
#include "core/ui/toolbar_mouse.h"
#include "core/ui/toolbar_pictures.h"
#include "gui/platform/prompt_tip.h"

#include <QAbstractButton>
#include <QMouseEvent>
#include <QPainter>

namespace vex {
namespace {

RgbImage fromQImage(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    RgbImage out(rgb.width(), rgb.height(), {});
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = rgb.pixel(x, y);
            out.set(x, y, {qRed(c), qGreen(c), qBlue(c)});
        }
    return out;
}

QPixmap toPixmap(const RgbImage& image, int scale) {
    QImage out(image.width, image.height, QImage::Format_RGB32);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const Rgb c = image.at(x, y);
            out.setPixel(x, y, qRgb(c.r, c.g, c.b));
        }
    QPixmap pixmap = QPixmap::fromImage(out);
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

// Device pixels to a pixel the pictures are made for: on a screen of 1.5 or
// more, from the strip drawn at twice the size, every rule at the finer grid.
int pictureScaleFor(qreal deviceRatio) {
    return deviceRatio >= 1.5 ? 2 : 1;
}

// An invisible button over one slot, so that screen readers see the
// toolbar's buttons with their names; the toolbar itself takes the mouse.
class SlotButton : public QAbstractButton {
  public:
    explicit SlotButton(QWidget* parent) : QAbstractButton(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

  protected:
    void paintEvent(QPaintEvent*) override {}
};

} // namespace

ToolbarWidget::ToolbarWidget(AppState& s, ToolbarHooks hooks, QWidget* parent)
    : QWidget(parent), s_(s), hooks_(std::move(hooks)) {
    setAccessibleName(QStringLiteral("Toolbar"));
    setAutoFillBackground(true);
    setMouseTracking(true);
    buildPictures();
    tooltipTimer_.setInterval(50);
    connect(&tooltipTimer_, &QTimer::timeout, this, [this] {
        if (!promptTip().isShown())
            promptTip().DrawPrompt(this, lastPointer_.x(), lastPointer_.y(), s_.toolbar.tooltipId,
                                   s_.InterfaceLanguage);
        tooltipTimer_.stop();
    });
    slotButtons_.assign(ToolbarSlots, nullptr);
    syncSlots();
}

void ToolbarWidget::buildPictures() {
    pictureScale_ = pictureScaleFor(devicePixelRatioF());
    const RgbImage strip =
        fromQImage(QImage(pictureScale_ == 2 ? QStringLiteral(":/toolbar_strip@2x.bmp")
                                             : QStringLiteral(":/toolbar_strip.bmp")));
    const QColor face = palette().color(QPalette::Button);
    pictures_.clear();
    for (const RgbImage& picture :
         buildToolbarImageList(strip, {face.red(), face.green(), face.blue()}, pictureScale_))
        pictures_.push_back(toPixmap(picture, pictureScale_));
}

void ToolbarWidget::syncSlots() {
    for (int i = 1; i <= ToolbarSlots; ++i) {
        const ToolBarButton& b = s_.toolbar.buttons(i);
        QAbstractButton*& button = slotButtons_[static_cast<std::size_t>(i - 1)];
        // A separator gets none: a screen reader would find a button without a name.
        if (b.kind != 1) {
            delete button;
            button = nullptr;
            continue;
        }
        if (button == nullptr) {
            button = new SlotButton(this);
            connect(button, &QAbstractButton::clicked, this, [this, i] {
                const ToolBarButton& slot = s_.toolbar.buttons(i);
                release((slot.left + slot.right) / 2, (slot.top + slot.bottom) / 2);
            });
            button->show();
        }
        button->setGeometry(QRect(QPoint(b.left, b.top), QPoint(b.right - 1, b.bottom - 1)));
        button->setEnabled(b.enabled);
        const int id = toolbarTooltipId(i);
        button->setAccessibleName(id ? QString::fromStdString(GETSS(id + 152, s_.InterfaceLanguage))
                                     : QString());
    }
}

void ToolbarWidget::paintEvent(QPaintEvent*) {
    // Moved to a screen of another ratio: pictures made for it.
    if (pictureScaleFor(devicePixelRatioF()) != pictureScale_) buildPictures();
    QPainter p(this);
    const QColor highlight = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Mid);
    const QRect r = rect();
    p.setPen(highlight);
    p.drawLine(r.left(), r.top() + 1, r.right(), r.top() + 1);
    p.setPen(shadow);
    p.drawLine(r.left(), r.top(), r.right(), r.top());
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    for (int i = 1; i <= ToolbarSlots; ++i) {
        const ToolBarButton& b = s_.toolbar.buttons(i);
        if (b.kind == 1) {
            const int index =
                b.enabled ? b.image + ToolbarColumns * b.state : b.image + 3 * ToolbarColumns;
            if (index >= 0 && index < static_cast<int>(pictures_.size()))
                p.drawPixmap(b.left, 4, pictures_[static_cast<std::size_t>(index)]);
        } else {
            const int x = (b.left + b.right) / 2 + 4;
            p.setPen(shadow);
            p.drawLine(x, r.top() + 1, x, r.bottom() - 1);
            p.setPen(highlight);
            p.drawLine(x + 1, r.top() + 1, x + 1, r.bottom() - 1);
        }
    }
}

void ToolbarWidget::apply(const ToolbarEffects& e) {
    if (e.restartTooltipTimer) tooltipTimer_.start();
    if (e.removeTooltip) {
        tooltipTimer_.stop();
        if (promptTip().isShown() && promptTip().window()->parentWidget() == this)
            promptTip().KillToolTipWindow();
    }
    if (e.repaint) {
        syncSlots();
        repaint();
    }
    if (e.statusMode >= 0 && hooks_.statusBar) hooks_.statusBar(e.statusMode);
    if (e.endCalibration && hooks_.confirmCalibration) hooks_.confirmCalibration();
    if (e.command && hooks_.runCommand) hooks_.runCommand(e.command);
    if (e.endCalibration || e.command) repaint();
}

void ToolbarWidget::mouseMoveEvent(QMouseEvent* event) {
    lastPointer_ = event->position().toPoint();
    apply(toolbarMouseMove(s_.toolbar, lastPointer_.x(), lastPointer_.y()));
}

void ToolbarWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    apply(toolbarPress(s_.toolbar, at.x(), at.y()));
}

void ToolbarWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    release(at.x(), at.y());
}

void ToolbarWidget::release(int x, int y) {
    const bool confirmable = hooks_.canConfirmCalibration && hooks_.canConfirmCalibration();
    apply(toolbarRelease(s_.toolbar, x, y, confirmable));
}

void ToolbarWidget::leaveEvent(QEvent*) {
    apply(toolbarLeave(s_.toolbar));
}

} // namespace vex
