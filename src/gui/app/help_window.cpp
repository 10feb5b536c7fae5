#include "gui/app/help_window.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace vex {

HelpWindow::HelpWindow(std::int32_t interfaceLanguage, QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    const bool russian = interfaceLanguage == 1;
    setWindowTitle(russian ? QStringLiteral("Справка Vexilor") : QStringLiteral("Vexilor Help"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setAccessibleName(windowTitle()); // what a screen reader says on reaching the page
    browser_->setOpenExternalLinks(true);
    browser_->setSource(QUrl(russian ? QStringLiteral("qrc:/help/help_ru.html")
                                     : QStringLiteral("qrc:/help/help_en.html")));
    resize(820, 700);
}

QString HelpWindow::pageSource() const {
    return browser_->source().toString();
}

} // namespace vex
