#pragma once
// The self-drawn toolbar strip: eight fixed slots drawn from the four rows
// of button pictures, hover and press states, the latching mode buttons and
// their prompts. Its state lives in AppState; this widget draws it and
// passes the pointer on.

#include "core/state/app_state.h"

#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

class QAbstractButton;

namespace vex {

struct ToolbarHooks {
    std::function<void(int)> runCommand;         // a button's command, as the menu sends it
    std::function<bool()> canConfirmCalibration; // the panel's OK is enabled
    std::function<void()> confirmCalibration;    // click the panel's OK
    std::function<void(int)> statusBar;          // status texts: 0 state, 1 toolbar hint
};

class ToolbarWidget : public QWidget {
    Q_OBJECT
  public:
    ToolbarWidget(AppState& s, ToolbarHooks hooks, QWidget* parent = nullptr);

    // Picture `index` of the image list (row · 40 + column).
    const QPixmap& picture(int index) const {
        return pictures_.at(static_cast<std::size_t>(index));
    }
    // Brings the accessible buttons in line with the slots.
    void syncSlots();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void buildPictures();
    void release(int x, int y);
    void apply(const struct ToolbarEffects& e);

    AppState& s_;
    ToolbarHooks hooks_;
    std::vector<QPixmap> pictures_;
    int pictureScale_ = 1; // device pixels to a pixel the pictures are made for
    QTimer tooltipTimer_;
    QPoint lastPointer_;
    std::vector<QAbstractButton*> slotButtons_; // for screen readers: one per button slot
};

} // namespace vex
