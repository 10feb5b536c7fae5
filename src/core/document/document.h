#pragma once
// What a project holds, apart from how it is being looked at and worked on:
// the lines with their points and parameters, the calibration markers and
// chart ranges, and the picture with the fitted zoom its positions were
// taken at. A plain value: two documents compare equal exactly when a
// project file and every screen showing them would be the same.
//
// While the program runs these fields live in the working records (the
// dependence record, the calibration, the picture facts and the view);
// documentOf and putDocument move a document between the two.

#include "core/data/dep2d.h"
#include "core/data/one_based.h"

#include <cstdint>
#include <string>

namespace vex {

struct AppState;

// The number of lines, the calibration markers and the chart ranges: small,
// and kept whole by every step of the history.
struct DocumentFrame {
    std::int32_t NLines = 1;
    OneBased<float, 4> MarkerPixX;
    OneBased<float, 4> MarkerPixY;
    float Xmin = 0.0f;
    float Xmax = 1.0f;
    float Ymin = 0.0f;
    float Ymax = 1.0f;

    friend bool operator==(const DocumentFrame&, const DocumentFrame&) = default;
};

// The picture a project is on, and the fitted zoom its positions were taken at.
struct DocumentPicture {
    std::string ImagePath;
    std::int32_t ImageWidth = 0;
    std::int32_t ImageHeight = 0;
    float PositionsFitZoom = 0.0f;

    friend bool operator==(const DocumentPicture&, const DocumentPicture&) = default;
};

struct Document : DocumentFrame, DocumentPicture {
    OneBased<std::int32_t, LineSlots> NPoints;
    OneBased<float, LineSlots> LineParam;
    OneBased2<float, LineSlots, PointSlots> ArgX;
    OneBased2<float, LineSlots, PointSlots> ValY;
    OneBased2<float, LineSlots, PointSlots> PixX;
    OneBased2<float, LineSlots, PointSlots> PixY;

    friend bool operator==(const Document&, const Document&) = default;
};

Document documentOf(const AppState& s);

// Puts `doc` into the working records. The session is left alone, except
// that the current line and point and the selection are pulled inside the
// lines it has.
void putDocument(AppState& s, const Document& doc);

} // namespace vex
