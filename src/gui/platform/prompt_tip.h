#pragma once
// The program's own small tooltip: one line of catalogue text in the status
// font on the tooltip colours with a thin black frame, 10 pixels below and
// right of the pointer. One at a time; it never takes the focus.

#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>

namespace vex {

class PromptTip {
  public:
    // Shows message promptNumber + 152 for `window` at its client point (x, y);
    // prompt number 0 shows nothing. Replaces any prompt already shown.
    void DrawPrompt(QWidget* window, int x, int y, int promptNumber,
                    std::int32_t interfaceLanguage);
    // Shows `text` in a window of the given screen rectangle.
    void ShowToolTip(QWidget* parent, const QRect& screenRect, const QString& text);
    void KillToolTipWindow();

    bool isShown() const { return !window_.isNull(); }
    QWidget* window() const { return window_; }
    QString text() const { return text_; }

  private:
    QPointer<QWidget> window_;
    QString text_;
};

// The one prompt of the program, shared by the toolbar and the image view.
PromptTip& promptTip();

} // namespace vex
