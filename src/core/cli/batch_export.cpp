#include "core/cli/batch_export.h"

#include "core/coords/chart_values.h"
#include "core/io/text_table.h"
#include "core/messages/catalogue.h"
#include "core/state/clear_param.h"
#include "core/ui/project_routines.h"

namespace vex {

std::optional<UserMessage> exportTableFromProject(const std::string& projectPath,
                                                  const std::string& outputPath) {
    AppState s;
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
    return Save2DepInTxt(s.doc, outputPath);
}

} // namespace vex
