#pragma once
// Everything that asks the user something and waits: message boxes, file
// dialogs and our own modal dialogs. The program uses the Qt implementation;
// tests use a scripted one that answers from a list.

#include "core/messages/user_message.h"
#include "core/ui/file_kinds.h"

#include <QString>

#include <cstdint>
#include <optional>

class QDialog;
class QWidget;

namespace vex {

enum class Answer { Ok, Yes, No, Cancel };

class Prompts {
  public:
    virtual ~Prompts() = default;

    // A message box with the program's caption. Questions answer Yes or No
    // (or Cancel when offered, and when the box is closed); the others Ok.
    virtual Answer message(MessageKind kind, const QString& text) = 0;

    // The chosen file's full path, or nothing when the dialog was cancelled.
    virtual std::optional<QString> openFile(FileKind kind) = 0;
    virtual std::optional<QString> saveFile(FileKind kind) = 0;

    // Runs one of the program's modal dialogs; the result of QDialog::exec.
    virtual int exec(QDialog& dialog) = 0;

    // The widget that owns message boxes and dialogs (the image view area).
    virtual void setOwner(QWidget*) {}

    // A message of the core, in its box, told in the interface language.
    Answer show(const UserMessage& m, std::int32_t interfaceLanguage) {
        return message(m.kind, QString::fromStdString(m.text(interfaceLanguage)));
    }
};

} // namespace vex
