#pragma once
// The area that holds the image view (with a 10-pixel margin right and
// below), the view's pop-up menu, and the Delete key that deletes points.

#include <QMenu>
#include <QWidget>

#include <cstdint>
#include <functional>

namespace vex {

class ImageView;

class ImageHost : public QWidget {
    Q_OBJECT
  public:
    ImageHost(ImageView* view, std::int32_t interfaceLanguage, QWidget* parent = nullptr);

    ImageView& view() const { return *view_; }
    // The view's pop-up menu: Copy (40003) and Paste (40004); each action's data is its id.
    QMenu& contextMenu() { return contextMenu_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    ImageView* view_;
    QMenu contextMenu_;
};

// The Delete key, wherever the keyboard focus is in `window`, asks for the
// point-delete command when `allowed` says so, except while a text field has
// the focus: there it edits the text. Behind a dialog, or in any other window,
// the points are out of sight and the key leaves them alone.
class DeleteKeyFilter : public QObject {
    Q_OBJECT
  public:
    DeleteKeyFilter(QWidget* window, std::function<bool()> allowed,
                    std::function<void()> deletePoint, QObject* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
    std::function<bool()> allowed_;
    std::function<void()> deletePoint_;
};

} // namespace vex
