#pragma once
// The kinds of edit a user makes to the document, each one step of the
// history, and their names in the Edit menu ("Undo Move Point").

#include <cstdint>
#include <string>

namespace vex {

enum class EditKind {
    Edit, // a change no more particular name fits
    CapturePoint,
    MovePoint,
    MovePoints,
    MoveMarker,
    InsertPoint,
    TypeX,
    TypeY,
    TypeBundleParameter,
    Calibration,
    AddPoint,
    DeletePoint,
    AddLine,
    DeleteLine,
    SortPoints,
    PointsOnSpline,
    PasteTable,
    ImportTable,
    TraceCurve,
    NewLineAtParameter,
};

// The name of an edit in the interface language (1 Russian, else English).
std::string editName(EditKind kind, std::int32_t language);

// "Undo" and "Redo" in the interface language, to stand before an edit's
// name, and alone while there is nothing to undo or redo.
std::string undoWord(std::int32_t language);
std::string redoWord(std::int32_t language);

// The Edit menu's own title.
std::string editMenuTitle(std::int32_t language);

// The edit a button of the function panel makes, by its control number.
EditKind editKindOfControl(int controlId);

// Typing into one edit box, keystroke after keystroke, is one step.
bool typedEdit(EditKind kind);

} // namespace vex
