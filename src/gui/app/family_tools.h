#pragma once
// The family tools of the Export-Import menu: Export CSV, Family table,
// Read across the family, New line at a parameter.

namespace vex {

struct AppState;
class ClipboardText;
class Prompts;
class ShellServices;

class FamilyTools {
  public:
    FamilyTools(AppState& s, Prompts& prompts, ClipboardText& clipboard, ShellServices& shell)
        : s_(s), prompts_(prompts), clipboard_(clipboard), shell_(shell) {}

    void exportCsv();
    void showTable();
    void readAcross();
    // The line read across becomes the family's last line, one step of the history.
    void newLine();

  private:
    AppState& s_;
    Prompts& prompts_;
    ClipboardText& clipboard_;
    ShellServices& shell_;
};

} // namespace vex
