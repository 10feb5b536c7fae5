#pragma once
#include "gui/platform/prompts.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>

namespace vex {

class QtPrompts : public Prompts {
  public:
    // `language` is asked at every use: texts follow a language change at once.
    explicit QtPrompts(std::function<std::int32_t()> language);

    void setOwner(QWidget* owner) override { owner_ = owner; }

    Answer message(MessageKind kind, const QString& text) override;
    std::optional<QString> openFile(FileKind kind) override;
    std::optional<QString> saveFile(FileKind kind) override;
    int exec(QDialog& dialog) override;

  private:
    std::optional<QString> askForFile(FileKind kind, bool save);

    std::function<std::int32_t()> language_;
    QPointer<QWidget> owner_;
    QString startFolder_; // like the process's current folder of old
};

} // namespace vex
