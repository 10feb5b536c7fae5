// Entry point: reads the command line, then either runs a batch job without
// a window or starts the program.
#include "core/cli/batch_export.h"
#include "core/cli/command_line.h"
#include "core/cli/toolkit_options.h"
#include "core/io/file_access.h"
#include "core/settings/settings_store.h"
#include "gui/app/main_window.h"
#include "gui/app/window_memory.h"
#include "gui/platform/clipboard_text.h"
#include "gui/platform/console_prompts.h"
#include "gui/platform/qt_prompts.h"
#include "gui/platform/qt_settings_store.h"
#include "gui/view/image_view.h"

#include <QApplication>
#include <QBuffer>
#include <QLibraryInfo>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool setInEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value && *value; // an empty value names no display either
}

bool displayAvailable() {
#if defined(Q_OS_LINUX)
    return setInEnvironment("DISPLAY") || setInEnvironment("WAYLAND_DISPLAY") ||
           setInEnvironment("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

std::optional<vex::UserMessage> runExport(const vex::CommandLine& cl) {
    if (cl.action == vex::CommandLine::Action::ExportCsv)
        return vex::exportCsvFromProject(cl.exportProject, cl.exportOutput);
    if (cl.action == vex::CommandLine::Action::ExportFamily)
        return vex::exportFamilyFromProject(cl.exportProject, cl.exportOutput, cl.familyGrid);
    return vex::exportTableFromProject(cl.exportProject, cl.exportOutput);
}

int runBatch(const vex::CommandLine& cl) {
    switch (cl.action) {
    case vex::CommandLine::Action::Help:
        std::cout << vex::commandLineHelp();
        return 0;
    case vex::CommandLine::Action::ExportTable:
    case vex::CommandLine::Action::ExportCsv:
    case vex::CommandLine::Action::ExportFamily:
        if (const auto failure = runExport(cl)) {
            std::cerr << "vexilor: " << failure->text(2) << "\n";
            return 1;
        }
        return 0;
    default:
        std::cerr << "vexilor: " << cl.error << "\n(see vexilor --help)\n";
        return 2;
    }
}

// Standard buttons and dialogs in Russian when the interface is Russian.
void installToolkitTranslation(QApplication& app, std::int32_t language) {
    if (language != 1) return;
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Russian), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

// The PNG is made in memory and saved whole, so that a failed write (a full
// disk) leaves an older screenshot of that name as it was.
int saveScreenshot(QWidget& window, const std::string& file, std::int32_t language) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!window.grab().save(&buffer, "PNG")) {
        std::cerr << "vexilor: the window could not be rendered\n";
        return 1;
    }
    const std::string_view bytes(png.constData(), static_cast<std::size_t>(png.size()));
    if (const auto failure = vex::replaceFileContent(file, bytes)) {
        std::cerr << "vexilor: " << failure->text(language) << "\n";
        return 1;
    }
    return 0;
}

// Renders the window once the project named with it has loaded. Nobody is
// at the screen: messages went to stderr, and after any warning the
// screenshot would not show what was asked for, so none is written.
int runScreenshot(QApplication& app, vex::MainWindow& window, const vex::ConsolePrompts& prompts,
                  const vex::CommandLine& cl) {
    // A fixed size, so that screenshots do not depend on the screen, and
    // the picture drawn as it stays, not as it shows while it is reduced.
    window.resize(1280, 800);
    window.view().setFramesSettledAtOnce(true);
    window.show();
    int status = 0;
    auto shoot = [&] {
        if (prompts.troubleShown()) {
            std::cerr << "vexilor: no screenshot written to " << cl.screenshotFile << "\n";
            status = 1;
        } else {
            status = saveScreenshot(window, cl.screenshotFile, window.state().InterfaceLanguage);
        }
        // Not quit(): that would close the window first, and a window with
        // unsaved work (a picture just opened) would ask whether to save.
        QCoreApplication::exit(0);
    };
    if (!cl.projectFile.empty()) {
        QObject::connect(&window, &vex::MainWindow::startProjectHandled, &app,
                         [&] { QTimer::singleShot(200, &app, shoot); });
        window.openAtStart(cl.projectFile, cl.pdfPage);
    } else {
        QTimer::singleShot(300, &app, shoot);
    }
    app.exec();
    return status;
}

} // namespace

int main(int argc, char** argv) {
    // Help, a batch export and mistakes are dealt with before any window
    // system is touched.
    const vex::CommandLine early =
        vex::parseCommandLine(vex::withoutToolkitOptions({argv + 1, argv + argc}));
    if (early.action != vex::CommandLine::Action::Run) return runBatch(early);
    if (!displayAvailable()) {
        if (early.screenshotFile.empty()) {
            std::cerr << "vexilor: no display is available (set DISPLAY, or render the window "
                         "with --screenshot FILE.png)\n";
            return 1;
        }
        setenv("QT_QPA_PLATFORM", "offscreen", 1); // a screenshot needs no screen
    }

    QApplication app(argc, argv); // takes its own options (-platform, -style, …) out of argv
    QApplication::setApplicationName(QStringLiteral("Vexilor"));
    // The installed .desktop file's name, for Wayland and the taskbars to match.
    QApplication::setDesktopFileName(QStringLiteral("io.github.vexilor.Vexilor"));
    const std::vector<std::string> args(argv + 1, argv + argc);
    const vex::CommandLine cl = vex::parseCommandLine(args);
    if (cl.action != vex::CommandLine::Action::Run) return runBatch(cl);

    vex::QtSettingsStore settings;
    installToolkitTranslation(app, vex::readInterfaceLanguage(settings));
    vex::MainWindow* window = nullptr;
    vex::QtPrompts screenPrompts(
        [&window] { return window ? window->state().InterfaceLanguage : 0; });
    screenPrompts.rememberFoldersIn(settings);
    vex::ConsolePrompts consolePrompts;
    const bool screenshot = !cl.screenshotFile.empty();
    vex::Prompts& prompts = screenshot ? static_cast<vex::Prompts&>(consolePrompts) : screenPrompts;
    vex::SystemClipboardText clipboard;
    vex::MainWindow mainWindow(vex::Platform{prompts, settings, clipboard});
    window = &mainWindow;
    if (screenshot) return runScreenshot(app, mainWindow, consolePrompts, cl);

    if (vex::restoreWindowGeometry(mainWindow, settings)) {
        mainWindow.show(); // where and as large as it was when it last closed
    } else {
        // Without a window manager "maximised" means nothing; take the screen ourselves.
        mainWindow.setGeometry(mainWindow.screen()->availableGeometry());
        mainWindow.showMaximized();
    }
    if (!cl.projectFile.empty()) mainWindow.openAtStart(cl.projectFile, cl.pdfPage);
    return app.exec();
}
