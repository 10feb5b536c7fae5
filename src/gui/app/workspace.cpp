#include "gui/app/workspace.h"

namespace vex {

Workspace::Workspace(QWidget* parent) : QWidget(parent) {}

void Workspace::setParts(QWidget* toolbar, QWidget* panel, QWidget* host) {
    toolbar_ = toolbar;
    panel_ = panel;
    host_ = host;
    for (QWidget* w : {toolbar_, panel_, host_})
        if (w) w->setParent(this);
    layOut();
}

void Workspace::setPanelWidth(int width) {
    panelWidth_ = width > 0 ? width : DefaultPanelWidth;
    layOut();
}

void Workspace::resizeEvent(QResizeEvent*) {
    layOut();
}

void Workspace::layOut() {
    const int top = toolbarBottom();
    const int below = std::max(0, height() - top);
    if (toolbar_) toolbar_->setGeometry(0, ToolbarTop, width(), ToolbarHeight);
    if (panel_) panel_->setGeometry(0, top, panelWidth_, below);
    if (host_) host_->setGeometry(panelWidth_, top, std::max(0, width() - panelWidth_), below);
}

} // namespace vex
