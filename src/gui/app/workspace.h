#pragma once
// The work area below the menu bar: the toolbar strip along the top, the
// function panel's column on the left, the image host filling the rest.

#include <QWidget>

namespace vex {

class Workspace : public QWidget {
    Q_OBJECT
  public:
    static constexpr int ToolbarTop = 1;
    static constexpr int ToolbarHeight = 36;
    static constexpr int DefaultPanelWidth = 220;

    explicit Workspace(QWidget* parent = nullptr);

    void setParts(QWidget* toolbar, QWidget* panel, QWidget* host);
    void setPanelWidth(int width);
    int panelWidth() const { return panelWidth_; }
    int toolbarBottom() const { return ToolbarTop + ToolbarHeight; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void layOut();

    QWidget* toolbar_ = nullptr;
    QWidget* panel_ = nullptr;
    QWidget* host_ = nullptr;
    int panelWidth_ = DefaultPanelWidth;
};

} // namespace vex
