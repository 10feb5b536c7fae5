#pragma once
// A main window on scripted prompts, in-memory settings and clipboard.
#include "core/settings/settings_store.h"
#include "gui/app/main_window.h"
#include "gui/platform/clipboard_text.h"
#include "gui/platform/scripted_prompts.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <memory>

namespace vex::testing {

struct WindowFixture {
    ScriptedPrompts prompts;
    MemorySettingsStore settings;
    MemoryClipboardText clipboard;
    std::unique_ptr<MainWindow> window;

    explicit WindowFixture(int storedLanguage = -1) {
        settings.createKey(LanguageKey);
        if (storedLanguage >= 0) writeInterfaceLanguage(settings, storedLanguage);
        window = std::make_unique<MainWindow>(Platform{prompts, settings, clipboard});
        window->resize(1280, 800);
        window->show();
        QCoreApplication::processEvents();
    }

    AppState& state() { return window->state(); }
    void run(int command) { window->command(command); }
    bool enabled(int command) const { return window->action(command)->isEnabled(); }
    bool checked(int command) const { return window->action(command)->isChecked(); }
    QStringList menuTitles() const {
        QStringList titles;
        for (QAction* a : window->menuBar()->actions()) titles << a->text();
        return titles;
    }
};

} // namespace vex::testing
