#pragma once
// The status bar: three panes at 50, 20 and 30 per cent of the window width.

#include "core/ui/status_texts.h"

#include <QStatusBar>

class QLabel;

namespace vex {

class StatusPanes : public QStatusBar {
    Q_OBJECT
  public:
    explicit StatusPanes(QWidget* parent = nullptr);

    void show(const StatusTexts& texts);
    QString paneText(int pane) const;
    // Right edges of the three panes for a window `width` pixels wide.
    static std::array<int, 3> paneEdges(int width);
    void fitToWidth(int windowWidth);

  private:
    std::array<QLabel*, 3> panes_{};
};

} // namespace vex
