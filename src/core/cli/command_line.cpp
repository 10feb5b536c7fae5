#include "core/cli/command_line.h"

namespace vex {

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine cl;
    auto invalid = [&cl](std::string why) {
        cl.action = CommandLine::Action::Invalid;
        cl.error = std::move(why);
        return cl;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            cl.action = CommandLine::Action::Help;
            return cl;
        }
        if (a == "--screenshot") {
            if (i + 1 >= args.size()) return invalid("--screenshot needs the name of a PNG file");
            cl.screenshotFile = args[++i];
        } else if (a == "--export-table") {
            if (i + 2 >= args.size())
                return invalid("--export-table needs a project file and an output file");
            cl.action = CommandLine::Action::ExportTable;
            cl.exportProject = args[i + 1];
            cl.exportOutput = args[i + 2];
            i += 2;
        } else if (a == "--") {
            if (i + 1 < args.size()) {
                if (!cl.projectFile.empty() || i + 2 < args.size())
                    return invalid("only one project file can be opened");
                cl.projectFile = args[i + 1];
            }
            break;
        } else if (a.size() > 1 && a[0] == '-') {
            return invalid("unknown option " + a);
        } else {
            if (!cl.projectFile.empty()) return invalid("only one project file can be opened");
            cl.projectFile = a;
        }
    }
    if (cl.action == CommandLine::Action::ExportTable &&
        (!cl.projectFile.empty() || !cl.screenshotFile.empty()))
        return invalid("--export-table cannot be combined with other arguments");
    return cl;
}

std::string commandLineHelp() {
    return "Usage: vexilor [OPTIONS] [PROJECT.vxr]\n"
           "Takes numeric data off chart images: calibrate the chart with four markers,\n"
           "capture curves point by point, export them as text tables.\n"
           "\n"
           "  PROJECT.vxr                    open this project shortly after start\n"
           "  --screenshot FILE.png          render the main window (after the project has\n"
           "                                 loaded) to a PNG file and quit\n"
           "  --export-table PROJECT OUT     load a project, compute the chart values of its\n"
           "                                 points and write them as a text table to OUT,\n"
           "                                 without opening a window\n"
           "  -h, --help                     show this help\n";
}

} // namespace vex
