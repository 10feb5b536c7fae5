#include "core/cli/command_line.h"

#include <charconv>
#include <optional>

namespace vex {
namespace {

std::optional<CommandLine::Action> exportAction(const std::string& option) {
    if (option == "--export-table") return CommandLine::Action::ExportTable;
    if (option == "--export-csv") return CommandLine::Action::ExportCsv;
    if (option == "--export-family") return CommandLine::Action::ExportFamily;
    return std::nullopt;
}

// The argument after args[i], taken (i moves on to it), when it is a whole
// number from `least` to `most` and nothing else.
std::optional<int> wholeNumberAfter(const std::vector<std::string>& args, std::size_t& i, int least,
                                    int most) {
    if (i + 1 >= args.size()) return std::nullopt;
    const std::string& text = args[++i];
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || value < least || value > most) return std::nullopt;
    return value;
}

} // namespace

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
        } else if (const auto exported = exportAction(a)) {
            if (i + 2 >= args.size())
                return invalid(a + " needs a project file and an output file");
            if (cl.action != CommandLine::Action::Run)
                return invalid("only one export can be made at a time");
            cl.action = *exported;
            cl.exportProject = args[i + 1];
            cl.exportOutput = args[i + 2];
            i += 2;
        } else if (a == "--page") {
            const auto n = wholeNumberAfter(args, i, 1, 1'000'000);
            if (!n) return invalid("--page needs a page number from 1");
            cl.pdfPage.page = *n;
            cl.pdfPageGiven = true;
        } else if (a == "--dpi") {
            const auto n = wholeNumberAfter(args, i, kSmallestPdfDpi, kLargestPdfDpi);
            if (!n)
                return invalid("--dpi needs a resolution from " + std::to_string(kSmallestPdfDpi) +
                               " to " + std::to_string(kLargestPdfDpi) + " dots per inch");
            cl.pdfPage.dpi = *n;
            cl.pdfPageGiven = true;
        } else if (a == "--grid") {
            if (i + 1 >= args.size()) return invalid("--grid needs FROM:STEP:TO");
            cl.familyGrid = args[++i];
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
    const bool exporting = cl.action != CommandLine::Action::Run;
    if (exporting && (!cl.projectFile.empty() || !cl.screenshotFile.empty() || cl.pdfPageGiven))
        return invalid("an export cannot be combined with other arguments");
    if ((cl.action == CommandLine::Action::ExportFamily) != !cl.familyGrid.empty())
        return invalid("--grid FROM:STEP:TO goes with --export-family, and it needs one");
    return cl;
}

std::string commandLineHelp() {
    return "Usage: vexilor [OPTIONS] [PROJECT.vxr | PICTURE | DOCUMENT.pdf]\n"
           "Takes numeric data off chart images: calibrate the chart with four markers,\n"
           "capture curves point by point, export them as text tables.\n"
           "\n"
           "  PROJECT.vxr                    open this project shortly after start\n"
           "  PICTURE, DOCUMENT.pdf          open this picture, or a page of this PDF\n"
           "  --page N                       the page of the PDF to open (1, the first, if\n"
           "                                 not given)\n"
           "  --dpi D                        the resolution to render it at, in dots per\n"
           "                                 inch (300 if not given)\n"
           "  --screenshot FILE.png          render the main window (after the project has\n"
           "                                 loaded) to a PNG file and quit\n"
           "  --export-table PROJECT OUT     load a project, compute the chart values of its\n"
           "                                 points and write them as a text table to OUT,\n"
           "                                 without opening a window\n"
           "  --export-csv PROJECT OUT.csv   the same, as CSV: a row per point with its line,\n"
           "                                 parameter, x and y\n"
           "  --export-family PROJECT OUT.csv --grid FROM:STEP:TO\n"
           "                                 the family table as CSV: x from FROM to TO in\n"
           "                                 steps of STEP, a column per line\n"
           "  -h, --help                     show this help\n";
}

} // namespace vex
