#pragma once
// What the function panel's buttons and edits do to the data. Each returns
// whether it acted (buttons check their own preconditions too, since menus
// and keys reach them as well). Refreshing the screen is the caller's.
//
// Unlike the old program, the chart values of a line are recomputed from
// its image positions whenever those change (sort, insert, delete), so that
// the panel and an export never show values of points that moved.

#include "core/messages/user_message.h"
#include "core/state/app_state.h"

#include <optional>
#include <string_view>

namespace vex {

bool addLine(AppState& s);     // a new empty line after the last; needs points on the current one
void deleteLine(AppState& s);  // the current line, once the user has confirmed
bool addPoint(AppState& s);    // a point between the current one and its neighbour
bool deletePoint(AppState& s); // the current point; leaves at least two
bool sortPoints(AppState& s);  // by image column, lines of more than two points
bool nextLine(AppState& s);
bool previousLine(AppState& s);

// Set the Scale and Points Capture Mode switched on or off.
void startScaleMode(AppState& s);
void setCaptureMode(AppState& s, bool on);
// Show Spline and the spline's Add point ticked or cleared.
void setSplineShown(AppState& s, bool on);
void setSplinePointMode(AppState& s, bool on);

// What a typed edit did: stored the value, or left it alone, either quietly
// (the text is not a number, or not yet one) or with a refusal to show.
struct TypedEdit {
    bool stored = false;
    std::optional<UserMessage> refusal;
    explicit operator bool() const { return stored; }
};

// Edits: store what reads (the first item of a list-directed read) and
// leave the value alone otherwise. X and Y move the point on the picture; a
// number too large to store, or a point that cannot be placed on the picture
// and found there again, is refused.
TypedEdit typeBundleParameter(AppState& s, std::string_view text);
TypedEdit typePointX(AppState& s, std::string_view text);
TypedEdit typePointY(AppState& s, std::string_view text);
bool typeGridCount(AppState& s, bool xGrid, std::string_view text);

} // namespace vex
