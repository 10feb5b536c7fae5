#include "gui/platform/prompt_tip.h"

#include "core/messages/catalogue.h"

#include <QApplication>
#include <QPainter>

namespace vex {
namespace {

QFont statusFont() {
    // The font the status bar uses is the program's general font.
    return QApplication::font("QStatusBar");
}

class TipWindow : public QWidget {
  public:
    TipWindow(QWidget* parent, const QString& text)
        : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
          text_(text) {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_DeleteOnClose);
        setFocusPolicy(Qt::NoFocus);
        setFont(statusFont());
        setAccessibleName(text);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QPalette tips = QToolTipPalette();
        p.setPen(Qt::black);
        p.setBrush(tips.color(QPalette::ToolTipBase));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        QRect r = rect();
        r.setBottom(static_cast<int>(r.bottom() * 0.93));
        p.setPen(tips.color(QPalette::ToolTipText));
        p.drawText(r, Qt::AlignBottom | Qt::AlignHCenter | Qt::TextSingleLine, text_);
    }

  private:
    static QPalette QToolTipPalette() { return QApplication::palette("QToolTip"); }
    QString text_;
};

} // namespace

PromptTip& promptTip() {
    static PromptTip tip;
    return tip;
}

void PromptTip::DrawPrompt(QWidget* window, int x, int y, int promptNumber,
                           std::int32_t interfaceLanguage) {
    if (promptNumber == 0 || !window) return;
    const QString text =
        QString::fromStdString(GETSS(promptNumber + 152, interfaceLanguage)).trimmed();
    const QFontMetrics fm(statusFont());
    const QRect measured = fm.boundingRect(QRect(0, 0, 10000, 1000), Qt::TextSingleLine, text);
    const int width = measured.width() + 8;
    const int height = static_cast<int>(1.3 * measured.height());
    const QPoint at = window->mapToGlobal(QPoint(x, y)) + QPoint(10, 10);
    ShowToolTip(window, QRect(at, QSize(width, height)), text);
}

void PromptTip::ShowToolTip(QWidget* parent, const QRect& screenRect, const QString& text) {
    KillToolTipWindow();
    text_ = text;
    auto* tip = new TipWindow(parent, text);
    tip->setGeometry(screenRect);
    tip->show();
    window_ = tip;
}

void PromptTip::KillToolTipWindow() {
    if (window_) window_->close();
    window_ = nullptr;
}

} // namespace vex
