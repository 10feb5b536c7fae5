#include "core/io/batch_export.h"

#include "core/coords/chart_values.h"
#include "core/data/clear_param.h"
#include "core/io/project_file.h"
#include "core/io/text_table.h"
#include "core/messages/catalogue.h"

namespace vex {

std::optional<UserMessage> exportTableFromProject(const std::string& projectPath,
                                                  const std::string& outputPath) {
    AppState s;
    CLEARPARAM(s);
    s.ProjectPath = projectPath;
    if (auto failure = ReadAllProjectFilesVer001(s)) return failure;
    recomputeAllChartValues(s.cal, s.dep);
    // The same condition as the menu's export: the current line needs points.
    if (s.dep.NPoints(s.dep.CurLine) <= 0) {
        UserMessage m;
        m.number = msg::ImportTooFewPoints;
        return m;
    }
    return Save2DepInTxt(s.dep, outputPath);
}

} // namespace vex
