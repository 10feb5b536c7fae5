#pragma once
// The main window's place and size, kept in the settings store from one run
// to the next.

class QWidget;

namespace vex {

class SettingsStore;

// Puts the window where it was when it last closed; false when nothing was
// kept (or what was kept is unusable), and the window is left alone.
bool restoreWindowGeometry(QWidget& window, const SettingsStore& store);
// Keeps the window's place, size and maximised state for the next run.
void rememberWindowGeometry(const QWidget& window, SettingsStore& store);

} // namespace vex
