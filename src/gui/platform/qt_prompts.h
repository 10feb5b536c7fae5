#pragma once
#include "gui/platform/prompts.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>

namespace vex {

class SettingsStore;

class QtPrompts : public Prompts {
  public:
    // `language` is asked at every use: texts follow a language change at once.
    explicit QtPrompts(std::function<std::int32_t()> language);

    void setOwner(QWidget* owner) override { owner_ = owner; }
    // Each kind of file dialog opens where it was last left, kept in `store`.
    void rememberFoldersIn(SettingsStore& store) { folders_ = &store; }

    Answer message(MessageKind kind, const QString& text) override;
    std::optional<QString> openFile(FileKind kind) override;
    std::optional<QString> saveFile(FileKind kind) override;
    int exec(QDialog& dialog) override;

  private:
    std::optional<QString> askForFile(FileKind kind, bool save);

    std::function<std::int32_t()> language_;
    QPointer<QWidget> owner_;
    QString startFolder_; // like the process's current folder of old
    SettingsStore* folders_ = nullptr;
};

} // namespace vex
