#pragma once
#include <QWidget>

#include <cstdint>

class QTextBrowser;

namespace vex {

// The program's help pages, in the interface language, in a window of their own.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(std::int32_t interfaceLanguage, QWidget* parent = nullptr);
    QString pageSource() const;

  private:
    QTextBrowser* browser_;
};

} // namespace vex
