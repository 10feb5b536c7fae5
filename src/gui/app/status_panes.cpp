#include "gui/app/status_panes.h"

#include <QLabel>

namespace vex {

StatusPanes::StatusPanes(QWidget* parent) : QStatusBar(parent) {
    for (std::size_t i = 0; i < panes_.size(); ++i) {
        auto* label = new QLabel(this);
        label->setAccessibleName(QStringLiteral("Status pane %1").arg(i + 1));
        // The first pane has no border; the other two are sunk panels.
        if (i > 0) label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMinimumWidth(1);
        addWidget(label);
        panes_[i] = label;
    }
}

std::array<int, 3> StatusPanes::paneEdges(int width) {
    const int e1 = static_cast<int>(0.5 * width);
    const int e2 = e1 + static_cast<int>(0.2 * width);
    const int e3 = e2 + static_cast<int>(0.3 * width);
    return {e1, e2, e3};
}

void StatusPanes::fitToWidth(int windowWidth) {
    const std::array<int, 3> edges = paneEdges(windowWidth);
    int left = 0;
    for (std::size_t i = 0; i < panes_.size(); ++i) {
        // Leave the size grip and the bar's spacing their room in the last pane.
        const int room = i + 1 == panes_.size() ? 30 : 6;
        panes_[i]->setFixedWidth(std::max(1, edges[i] - left - room));
        left = edges[i];
    }
}

void StatusPanes::show(const StatusTexts& texts) {
    const std::array<const std::string*, 3> shown = {&texts.pane0, &texts.pane1, &texts.pane2};
    for (std::size_t i = 0; i < panes_.size(); ++i) {
        const QString text = QString::fromStdString(*shown[i]);
        if (panes_[i]->text() == text) continue;
        panes_[i]->setText(text);
        // The pane keeps its name; a screen reader hears the text as its
        // description, and is told when it changes.
        panes_[i]->setAccessibleDescription(text);
    }
}

QString StatusPanes::paneText(int pane) const {
    return panes_.at(static_cast<std::size_t>(pane))->text();
}

} // namespace vex
