#pragma once
// The menu bar in either language, with every command under its id.

#include <QHash>

#include <cstdint>

class QAction;
class QMenu;
class QMenuBar;

namespace vex {

// Fills `bar` and returns the action of every command id.
QHash<int, QAction*> buildMenuBar(QMenuBar& bar, std::int32_t interfaceLanguage);

// The menu of the bar that holds the command, in a submenu or not.
QMenu* menuHolding(const QMenuBar& bar, const QAction* command);

} // namespace vex
