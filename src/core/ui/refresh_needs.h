#pragma once
// What a change leaves out of date on screen. One refresh brings it up to
// date, always in the same order: the shown curve sampled again, the panel's
// control states (DIALOGPARTNERSHIP), the status bar (PREPSTATUSBAR), the
// menu states (PrepContextMenu), the toolbar states (PrepareToolBarIcons),
// then the toolbar and the image view repainted and the keyboard focus given
// back to the view.

namespace vex {

inline constexpr int NotRefreshed = -1;

struct RefreshNeeds {
    bool spline = false;
    bool panel = false;
    int statusBar = NotRefreshed;    // the PREPSTATUSBAR mode
    int menus = NotRefreshed;        // the PrepContextMenu mode
    int toolbarIcons = NotRefreshed; // the PrepareToolBarIcons mode
    bool toolbar = false;
    bool view = false;
    bool focusView = false;
};

// After a change of data or mode: panel, status texts, menus, toolbar and
// view, focus on the view.
inline constexpr RefreshNeeds AfterChange{
    .panel = true, .statusBar = 0, .menus = 1, .toolbar = true, .view = true, .focusView = true};

// After a line's points were replaced or a line added: the same, with the
// shown curve sampled again.
inline constexpr RefreshNeeds AfterLinePointsChanged{.spline = true,
                                                     .panel = true,
                                                     .statusBar = 0,
                                                     .menus = 1,
                                                     .toolbar = true,
                                                     .view = true,
                                                     .focusView = true};

// After the document was replaced or its picture changed: the same, with the
// curve sampled again and the toolbar states of a loaded document.
inline constexpr RefreshNeeds AfterNewDocument{.spline = true,
                                               .panel = true,
                                               .statusBar = 0,
                                               .menus = 1,
                                               .toolbarIcons = 1,
                                               .toolbar = true,
                                               .view = true};

} // namespace vex
