#pragma once
// Which commands of the menu bar are enabled and which carry a check mark,
// as a function of the state. The menu keeps the last states set, so the
// rules update a MenuStates rather than build a fresh one.

#include "core/state/app_state.h"

#include <map>

namespace vex {

struct MenuItemState {
    bool enabled = true;
    bool checked = false;
    friend bool operator==(const MenuItemState&, const MenuItemState&) = default;
};

class MenuStates {
  public:
    MenuStates(); // as the menu is built: everything enabled, 116, 117, 121, 122 checked

    MenuItemState& operator[](int id) { return items_[id]; }
    MenuItemState at(int id) const;
    const std::map<int, MenuItemState>& items() const { return items_; }

  private:
    std::map<int, MenuItemState> items_;
};

// Mode 0: nothing loaded (start-up). Mode 1: recompute from the state.
// Any other mode changes nothing.
void PrepContextMenu(int mode, const AppState& s, MenuStates& menu);

// The language items after a language command.
void checkLanguageItems(std::int32_t language, MenuStates& menu);

} // namespace vex
