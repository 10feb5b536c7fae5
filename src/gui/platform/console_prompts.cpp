#include "gui/platform/console_prompts.h"

#include <QDialog>

#include <iostream>

namespace vex {

Answer ConsolePrompts::message(MessageKind kind, const QString& text) {
    std::cerr << "vexilor: " << text.toStdString() << "\n";
    trouble_ = trouble_ || kind != MessageKind::Information;
    switch (kind) {
    case MessageKind::Question:
        return Answer::No;
    case MessageKind::QuestionWithCancel:
        return Answer::Cancel;
    default:
        return Answer::Ok;
    }
}

std::optional<QString> ConsolePrompts::openFile(FileKind) {
    trouble_ = true;
    return std::nullopt;
}

std::optional<QString> ConsolePrompts::saveFile(FileKind) {
    trouble_ = true;
    return std::nullopt;
}

int ConsolePrompts::exec(QDialog&) {
    trouble_ = true;
    return QDialog::Rejected;
}

} // namespace vex
