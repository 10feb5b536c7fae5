#pragma once
// What the user asked for on the command line.

#include "core/io/pdf_page_size.h"

#include <string>
#include <vector>

namespace vex {

struct CommandLine {
    enum class Action { Run, Help, ExportTable, ExportCsv, ExportFamily, Invalid };
    Action action = Action::Run;
    std::string projectFile;    // project to load shortly after start, taken as given
    std::string screenshotFile; // render the window to this PNG and quit
    std::string exportProject;  // --export-table, --export-csv, --export-family PROJECT OUT
    std::string exportOutput;
    std::string familyGrid; // --grid FROM:STEP:TO of --export-family, as typed
    std::string error;      // why the line is invalid
    PdfPageChoice pdfPage;  // --page, --dpi: the page a PDF given to open becomes
    bool pdfPageGiven = false;
};

// args: the arguments after the program name (toolkit options already removed).
CommandLine parseCommandLine(const std::vector<std::string>& args);

std::string commandLineHelp();

} // namespace vex
