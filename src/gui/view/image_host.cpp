#include "gui/view/image_host.h"

#include "core/ui/command_ids.h"
#include "gui/view/image_view.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace vex {

ImageHost::ImageHost(ImageView* view, std::int32_t interfaceLanguage, QWidget* parent)
    : QWidget(parent), view_(view) {
    setAccessibleName(QStringLiteral("Image view area"));
    view_->setParent(this);
    const bool russian = interfaceLanguage == 1;
    QAction* copy =
        contextMenu_.addAction(russian ? QStringLiteral("Копировать табличную зависимость")
                                       : QStringLiteral("Copy two-parameter dependence table"));
    copy->setData(cmd::CopyTable);
    QAction* paste =
        contextMenu_.addAction(russian ? QStringLiteral("Вставить табличную зависимость")
                                       : QStringLiteral("Paste two-parameter dependence table"));
    paste->setData(cmd::PasteTable);
}

void ImageHost::resizeEvent(QResizeEvent*) {
    view_->setGeometry(0, 0, std::max(0, width() - 10), std::max(0, height() - 10));
}

DeleteKeyFilter::DeleteKeyFilter(QWidget* window, std::function<bool()> allowed,
                                 std::function<void()> deletePoint, QObject* parent)
    : QObject(parent), window_(window), allowed_(std::move(allowed)),
      deletePoint_(std::move(deletePoint)) {}

bool DeleteKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    // A key press passes through every widget up the parent chain; act once,
    // where it first arrives: the focus widget, or the window without one.
    QWidget* focus = QApplication::focusWidget();
    const bool firstArrival =
        focus ? watched == focus
              : watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow();
    if (!firstArrival || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Delete) return false;
    const bool textField = qobject_cast<QLineEdit*>(focus) || qobject_cast<QTextEdit*>(focus) ||
                           qobject_cast<QPlainTextEdit*>(focus) ||
                           qobject_cast<QAbstractSpinBox*>(focus);
    const bool windowInFront =
        QApplication::activeModalWidget() == nullptr && QApplication::activeWindow() == window_;
    if (!textField && windowInFront && allowed_()) deletePoint_();
    return false;
}

} // namespace vex
