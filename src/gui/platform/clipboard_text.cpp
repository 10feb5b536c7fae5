#include "gui/platform/clipboard_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace vex {

std::optional<std::string> SystemClipboardText::get() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText()) return std::nullopt;
    return data->text().toStdString();
}

void SystemClipboardText::set(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

} // namespace vex
