#pragma once
// A main window on scripted prompts, in-memory settings and clipboard.
#include "core/settings/settings_store.h"
#include "core/ui/command_ids.h"
#include "gui/app/main_window.h"
#include "gui/platform/clipboard_text.h"
#include "gui/platform/scripted_prompts.h"
#include "gui/view/image_view.h"

#include "../core/temp_dir.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

namespace vex::testing {

struct WindowFixture {
    TempDir files;
    ScriptedPrompts prompts;
    MemorySettingsStore settings;
    MemoryClipboardText clipboard;
    std::unique_ptr<MainWindow> window;

    explicit WindowFixture(int storedLanguage = -1) {
        settings.createKey(LanguageKey);
        if (storedLanguage >= 0) writeInterfaceLanguage(settings, storedLanguage);
        window = std::make_unique<MainWindow>(Platform{prompts, settings, clipboard});
        // Frames as they stay, so that the pixels a test reads never depend
        // on how soon the reduced picture is ready.
        window->view().setFramesSettledAtOnce(true);
        window->resize(1280, 800);
        window->show();
        QCoreApplication::processEvents();
    }

    AppState& state() { return window->state(); }

    // Opens a picture as the user does, through the File menu.
    bool loadPicture(const QImage& image, const std::string& name = "chart.bmp") {
        const QString path = QString::fromStdString(files.file(name));
        image.save(path, "BMP");
        prompts.chooseFile(path);
        window->command(cmd::OpenBmpImage);
        QCoreApplication::processEvents(); // the menu posts the command
        return state().work.ImageLoaded != 0;
    }
    bool loadBlankPicture(int w = 800, int h = 600) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(Qt::white);
        return loadPicture(image);
    }
    void run(int command) { window->command(command); }
    bool enabled(int command) const { return window->action(command)->isEnabled(); }
    bool checked(int command) const { return window->action(command)->isChecked(); }
    // The title as the window system shows it, the unsaved-changes mark resolved.
    QString shownTitle() const { return window->windowHandle()->title(); }
    // Menu texts as the user reads them, without the mnemonic marks.
    static QString shown(const QAction* a) { return QString(a->text()).remove(QLatin1Char('&')); }
    QString shownText(int command) const { return shown(window->action(command)); }
    QStringList menuTitles() const {
        QStringList titles;
        for (QAction* a : window->menuBar()->actions()) titles << shown(a);
        return titles;
    }
};

} // namespace vex::testing
