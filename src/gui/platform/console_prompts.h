#pragma once
// Prompts for a run without anyone at the screen (rendering a screenshot):
// every message goes to the standard error stream at once, every question
// is declined and every file dialog cancelled, so nothing ever waits. The
// run can then tell whether anything went wrong.

#include "gui/platform/prompts.h"

namespace vex {

class ConsolePrompts : public Prompts {
  public:
    Answer message(MessageKind kind, const QString& text) override;
    std::optional<QString> openFile(FileKind kind) override;
    std::optional<QString> saveFile(FileKind kind) override;
    int exec(QDialog& dialog) override;

    // A warning or an error was shown, or something asked for an answer.
    bool troubleShown() const { return trouble_; }

  private:
    bool trouble_ = false;
};

} // namespace vex
