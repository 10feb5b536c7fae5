#pragma once
// The whole two-parameter dependence as clipboard text. The text goes to other running copies of
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

#include "core/document/document.h"
#include "core/messages/user_message.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vex {

// The block as written, its final NUL included as the last character. The
// chart values of every point of every line are recomputed from the image
// positions first (`perspectiveDistance` chooses the search box), so ArgX/ValY
// of the document change.
std::string COPYBINARYDEP2DFROMBMP(Document& d, float perspectiveDistance);

struct PasteResult {
    bool changed = false;              // the table was replaced
    std::vector<UserMessage> messages; // in the order they are to be shown
};

// Replaces the table with the one in `clipboardText` and computes the image
// positions of the pasted points. Header line ignored; CR LF or LF line ends;
// a NUL ends the text. A count above PointsMax is cut with a warning; any
// other fault (no text, an unreadable or missing number, a count <= 0, more
// than LinesMax lines, a point the calibration cannot place on the picture
// and find there again) leaves the document exactly as it was. A line count
// <= 0 pastes nothing and says nothing.
PasteResult PASTEBINARYDEP2DFROMBMP(std::string_view clipboardText, Document& d,
                                    float perspectiveDistance);

} // namespace vex
