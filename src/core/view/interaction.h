#pragma once
// What the mouse is doing in the image view: drags, panning, the point
// selection of the current line.

#include "core/data/dep2d.h"
#include "core/data/one_based.h"

#include <cstdint>

namespace vex {

struct Interaction {
    std::int32_t MouseX = 0;
    std::int32_t MouseY = 0;
    bool LeftButtonDown = false;
    std::int32_t DragStartX = 0;
    std::int32_t DragStartY = 0;
    bool Panning = false;
    std::int32_t PanStartScrollX = 0;
    std::int32_t PanStartScrollY = 0;
    bool MarkerDragging = false;
    std::int32_t DraggedMarker = 1;
    OneBased<float, 4> MarkerStartX;
    OneBased<float, 4> MarkerStartY;
    std::int32_t HoveredMarker = 0;
    bool PointDragging = false;
    float PointStartX = 0.0f;
    float PointStartY = 0.0f;
    std::int32_t SelectionCount = 1;
    OneBased<std::int32_t, PointSlots> Selection; // selected points of CurLine, in selection order
    std::int32_t GroupMoving = 0;
    std::int32_t GroupAnchor = 1;
    OneBased<float, PointSlots> GroupStartX;
    OneBased<float, PointSlots> GroupStartY;
    // Where, in the calibration's normalised coordinates, the point last
    // captured or dragged was found; the capture crosshair is drawn through it.
    float LastSolvedA = 0.0f;
    float LastSolvedB = 0.0f;

    Interaction() { Selection(1) = 1; }
    friend bool operator==(const Interaction&, const Interaction&) = default;
};

} // namespace vex
