#include "gui/platform/scripted_prompts.h"

#include <QDialog>

namespace vex {

Answer ScriptedPrompts::message(MessageKind kind, const QString& text) {
    shown_.push_back({kind, text});
    const bool question = kind == MessageKind::Question || kind == MessageKind::QuestionWithCancel;
    if (!question) return Answer::Ok;
    if (answers_.empty()) {
        ++unexpected_;
        return kind == MessageKind::Question ? Answer::No : Answer::Cancel;
    }
    const Answer a = answers_.front();
    answers_.pop_front();
    return a;
}

std::optional<QString> ScriptedPrompts::nextFile(FileKind kind) {
    fileKinds_.push_back(kind);
    if (files_.empty()) {
        ++unexpected_;
        return std::nullopt;
    }
    const FileChoice choice = files_.front();
    files_.pop_front();
    if (!choice.chosen) return std::nullopt;
    return choice.path;
}

std::optional<QString> ScriptedPrompts::openFile(FileKind kind) {
    return nextFile(kind);
}

std::optional<QString> ScriptedPrompts::saveFile(FileKind kind) {
    return nextFile(kind);
}

int ScriptedPrompts::exec(QDialog& dialog) {
    if (dialogs_.empty()) {
        ++unexpected_;
        return QDialog::Rejected;
    }
    DialogScript script = std::move(dialogs_.front());
    dialogs_.pop_front();
    return script(dialog);
}

} // namespace vex
