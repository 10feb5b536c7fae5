#pragma once
// Prompts for tests: every question is answered from a script, every message
// is recorded. A prompt the script did not expect is recorded too, and
// answered as if the user had cancelled.

#include "gui/platform/prompts.h"

#include <QString>

#include <deque>
#include <functional>
#include <vector>

namespace vex {

class ScriptedPrompts : public Prompts {
  public:
    struct Shown {
        MessageKind kind;
        QString text;
    };
    using DialogScript = std::function<int(QDialog&)>;

    // Script.
    void answer(Answer a) { answers_.push_back(a); }
    void chooseFile(const QString& path) { files_.push_back({true, path}); }
    void cancelFileDialog() { files_.push_back({false, {}}); }
    void onDialog(DialogScript script) { dialogs_.push_back(std::move(script)); }

    // What happened.
    const std::vector<Shown>& shown() const { return shown_; }
    std::vector<FileKind> fileKindsAsked() const { return fileKinds_; }
    int unexpected() const { return unexpected_; }
    bool scriptUsedUp() const { return answers_.empty() && files_.empty() && dialogs_.empty(); }
    void clearShown() { shown_.clear(); }

    Answer message(MessageKind kind, const QString& text) override;
    std::optional<QString> openFile(FileKind kind) override;
    std::optional<QString> saveFile(FileKind kind) override;
    int exec(QDialog& dialog) override;

  private:
    std::optional<QString> nextFile(FileKind kind);

    std::deque<Answer> answers_;
    struct FileChoice {
        bool chosen;
        QString path;
    };
    std::deque<FileChoice> files_;
    std::deque<DialogScript> dialogs_;
    std::vector<Shown> shown_;
    std::vector<FileKind> fileKinds_;
    int unexpected_ = 0;
};

} // namespace vex
