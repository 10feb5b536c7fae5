#pragma once
// The image view's Copy and Paste of the whole table through the clipboard.

#include "core/io/clipboard_table.h"
#include "core/io/text_table.h"
#include "core/state/app_state.h"

#include <optional>
#include <string>
#include <string_view>

namespace vex {

struct CopyResult {
    std::optional<UserMessage> refusal; // set when nothing was copied
    std::string block;                  // the clipboard text otherwise
};

// The pop-up menu's Copy: refused while line 1 has fewer than 2 points.
CopyResult copyTableCommand(AppState& s);

// The pop-up menu's Paste: after a successful paste, a line left with at most
// one point gets its previous points back (with a message each); the chart
// values of the other lines are recomputed from their image positions and
// point 1 of line 1 becomes the selection.
PasteResult pasteTableCommand(std::string_view clipboardText, AppState& s);

// Import text table: the table at `path` replaces the lines (see
// Load2DepFromTxt), and the current line and point, the saved ones and the
// selection are pulled inside what it has.
TableReadResult importTableCommand(AppState& s, const std::string& path);

} // namespace vex
