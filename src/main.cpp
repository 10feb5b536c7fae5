// Entry point: reads the command line, then either runs a batch job without
// a window or starts the program.
#include "core/cli/command_line.h"
#include "gui/app/main_window.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

namespace {

bool asksForBatchWork(const std::vector<std::string>& args) {
    return std::any_of(args.begin(), args.end(), [](const std::string& a) {
        return a == "--help" || a == "-h" || a == "--export-table";
    });
}

int runBatch(const vex::CommandLine& cl) {
    switch (cl.action) {
    case vex::CommandLine::Action::Help:
        std::cout << vex::commandLineHelp();
        return 0;
    case vex::CommandLine::Action::Invalid:
        std::cerr << "vexilor: " << cl.error << "\n(see vexilor --help)\n";
        return 2;
    default:
        std::cerr << "vexilor: --export-table is not available yet\n";
        return 2;
    }
}

int saveScreenshot(QWidget& window, const QString& file) {
    if (!window.grab().save(file, "PNG")) {
        std::cerr << "vexilor: cannot write " << file.toStdString() << "\n";
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> raw(argv + 1, argv + argc);
    if (asksForBatchWork(raw)) return runBatch(vex::parseCommandLine(raw));

    QApplication app(argc, argv); // takes its own options (-platform, -style, …) out of argv
    const std::vector<std::string> args(argv + 1, argv + argc);
    const vex::CommandLine cl = vex::parseCommandLine(args);
    if (cl.action != vex::CommandLine::Action::Run) return runBatch(cl);

    vex::MainWindow window;
    if (!cl.screenshotFile.empty()) {
        window.resize(1280, 800);
        window.show();
        int status = 0;
        QTimer::singleShot(300, &app, [&] {
            status = saveScreenshot(window, QString::fromStdString(cl.screenshotFile));
            app.quit();
        });
        app.exec();
        return status;
    }
    window.showMaximized();
    return app.exec();
}
