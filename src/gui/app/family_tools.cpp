#include "gui/app/family_tools.h"

#include "core/io/csv_text.h"
#include "core/io/file_access.h"
#include "core/state/app_state.h"
#include "core/ui/family_commands.h"
#include "gui/panel/family_table_dialog.h"
#include "gui/panel/new_line_dialog.h"
#include "gui/panel/read_across_dialog.h"
#include "gui/platform/prompts.h"
#include "gui/platform/shell_services.h"

namespace vex {

void FamilyTools::exportCsv() {
    const std::optional<QString> path = prompts_.saveFile(FileKind::CsvSave);
    if (!path) return;
    if (const auto failure = replaceFileContent(path->toStdString(), pointsCsvText(s_.doc)))
        prompts_.show(*failure, s_.InterfaceLanguage);
}

void FamilyTools::showTable() {
    FamilyTableDialog dialog(s_.doc, prompts_, clipboard_, s_.InterfaceLanguage);
    prompts_.exec(dialog);
}

void FamilyTools::readAcross() {
    ReadAcrossDialog dialog(s_.doc, s_.InterfaceLanguage);
    prompts_.exec(dialog);
}

void FamilyTools::newLine() {
    NewLineDialog dialog(s_.doc, prompts_, s_.InterfaceLanguage);
    if (prompts_.exec(dialog) != QDialog::Accepted) return;
    if (const auto refusal = addLineAtParameter(s_, dialog.parameter(), dialog.line())) {
        prompts_.show(*refusal, s_.InterfaceLanguage);
        return;
    }
    shell_.recordEdit(EditKind::NewLineAtParameter);
    shell_.refreshAfter(AfterLinePointsChanged); // the panel shows the new line
}

} // namespace vex
