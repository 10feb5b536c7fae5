#pragma once
// The whole two-parameter dependence as clipboard text, and the image view's
// Copy and Paste commands around it. The text goes to other running copies of
// the program and to any program that takes text (a spreadsheet gets one
// value or one X-Y pair per row):
//
//   Dep2D_CD CR LF
//   7 blanks, NLines CR LF
//   per line: parameter CR LF, point count CR LF,
//             per point: X TAB Y CR LF
//   one NUL
//
// Numbers are the list-directed forms without their blanks. Note the order
// within a line block: parameter first, then count (the text table has count
// first).

#include "core/messages/user_message.h"
#include "core/state/app_state.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vex {

// The block as written, its final NUL included as the last character. The
// chart values of every point of every line are recomputed from the image
// positions first, so ArgX/ValY of the state change.
std::string COPYBINARYDEP2DFROMBMP(AppState& s);

struct PasteResult {
    bool changed = false;              // the table was replaced
    std::vector<UserMessage> messages; // in the order they are to be shown
};

// Replaces the table with the one in `clipboardText` and computes the image
// positions of the pasted points. Header line ignored; CR LF or LF line ends;
// a NUL ends the text. A count above PointsMax is cut with a warning; any
// other fault (no text, an unreadable or missing number, a count <= 0, more
// than LinesMax lines, a point the calibration cannot place on the picture
// and find there again) leaves the state exactly as it was. A line count <= 0
// pastes nothing and says nothing.
PasteResult PASTEBINARYDEP2DFROMBMP(std::string_view clipboardText, AppState& s);

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

} // namespace vex
