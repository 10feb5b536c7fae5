#include "core/cli/batch_export.h"

#include "core/coords/chart_values.h"
#include "core/family/family_grid.h"
#include "core/family/family_table.h"
#include "core/io/csv_text.h"
#include "core/io/file_access.h"
#include "core/io/text_table.h"
#include "core/messages/catalogue.h"
#include "core/state/clear_param.h"
#include "core/ui/project_routines.h"
#include "core/ui/typed_number.h"

namespace vex {

namespace {

// The project as a freshly started window has it after Load Project.
std::optional<UserMessage> loadProject(AppState& s, const std::string& projectPath) {
    CLEARPARAM(s);
    s.ProjectPath = projectPath;
    if (auto failure = ReadAllProjectFilesVer001(s)) return failure;
    recomputeAllChartValues(s.doc, s.work.PerspectiveDistance);
    // The same condition as the menu's export: the current line needs points.
    if (s.doc.NPoints(s.work.CurLine) <= 0) {
        UserMessage m;
        m.number = msg::ImportTooFewPoints;
        return m;
    }
    return std::nullopt;
}

// FROM:STEP:TO, each a number as the program reads typed numbers.
std::optional<GridByStep> gridOfText(const std::string& text) {
    const std::size_t first = text.find(':');
    const std::size_t second = first == std::string::npos ? first : text.find(':', first + 1);
    if (second == std::string::npos) return std::nullopt;
    const std::optional<float> from = readTypedNumber(text.substr(0, first)).value;
    const std::optional<float> step =
        readTypedNumber(text.substr(first + 1, second - first - 1)).value;
    const std::optional<float> to = readTypedNumber(text.substr(second + 1)).value;
    if (!from || !step || !to) return std::nullopt;
    return GridByStep{*from, *to, *step};
}

} // namespace

std::optional<UserMessage> exportTableFromProject(const std::string& projectPath,
                                                  const std::string& outputPath) {
    AppState s;
    if (auto failure = loadProject(s, projectPath)) return failure;
    return Save2DepInTxt(s.doc, outputPath);
}

std::optional<UserMessage> exportCsvFromProject(const std::string& projectPath,
                                                const std::string& outputPath) {
    AppState s;
    if (auto failure = loadProject(s, projectPath)) return failure;
    return replaceFileContent(outputPath, pointsCsvText(s.doc));
}

std::optional<UserMessage> exportFamilyFromProject(const std::string& projectPath,
                                                   const std::string& outputPath,
                                                   const std::string& grid) {
    const std::optional<GridByStep> step = gridOfText(grid);
    if (!step) return UserMessage{msg::FamilyGridNotRead, MessageKind::Warning, {grid}};
    AppState s;
    if (auto failure = loadProject(s, projectPath)) return failure;
    const FamilyGrid rows = familyGrid(*step, s.doc);
    if (rows.refusal) return rows.refusal;
    return replaceFileContent(outputPath, familyTableText(familyTable(s.doc, rows.x, false), ','));
}

} // namespace vex
