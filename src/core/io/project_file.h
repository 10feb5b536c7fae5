#pragma once
// The project file: calibration, the image position of every point, the
// picture's size and path, one value per CR LF record, followed by the
// bundle parameters, the zoom the positions were taken at, and the axis
// scales and mapping when they are not linear and bilinear (older files lack
// each of these).

#include "core/data/one_based.h"
#include "core/document/document.h"
#include "core/messages/user_message.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vex {

inline constexpr std::size_t ProjectFileMaxBytes = 16u << 20;

// The fitted zooms a project may name for its positions: a view fits its
// picture at its own size over the picture's, which stays far inside these
// for any picture a screen can show. A zoom outside them (1E-30 would move
// every point 10^30 times further out) is not written and, read, is ignored.
inline constexpr float FitZoomLowest = 1.0E-4f;
inline constexpr float FitZoomHighest = 1.0E4f;
bool fitZoomStorable(float zoom);

// What a project file holds, read into scratch storage first so that a
// damaged file never reaches the live data.
struct ProjectContent {
    OneBased<float, 4> MarkerPixX;
    OneBased<float, 4> MarkerPixY;
    std::int32_t NLines = 1;
    OneBased<std::int32_t, LineSlots> NPoints;
    OneBased2<float, LineSlots, PointSlots> PixX;
    OneBased2<float, LineSlots, PointSlots> PixY;
    float Xmin = 0, Xmax = 1, Ymin = 0, Ymax = 1;
    // Files written before these were kept are linear and bilinear.
    AxisScale XScale = AxisScale::Linear;
    AxisScale YScale = AxisScale::Linear;
    QuadMapping Mapping = QuadMapping::Bilinear;
    std::int32_t ImageWidth = 0;
    std::int32_t ImageHeight = 0;
    std::string ImagePath;
    bool hasLineParams = false; // files written before parameters were kept lack them
    OneBased<float, LineSlots> LineParam;
    float PositionsFitZoom = 0.0f; // 0 when the file does not say
};

// The bytes of the project file for the document. Every real is
// written with the figures it takes to read back as the same float, so
// Save, Load and Save again give the same file.
std::string projectFileText(const Document& d);

// Reads the records into `out`; a message when the text is not a sound
// project (ends early, a non-number, a count outside its limits, a value
// that is not finite, chart ranges so wide that chart values overflow).
std::optional<UserMessage>
parseProjectFile(std::string_view text, const std::string& pathForMessages, ProjectContent& out);

// Puts a parsed project into the document: markers, ranges, lines and
// points, picture facts, parameters when the file had them, the zoom its
// positions were taken at. Chart values are left as they were (they follow
// from the positions), and so are the line slots above the file's lines.
void applyProjectContent(Document& d, const ProjectContent& c);

// Writes to `path`, replacing the old file only once the new one is
// complete, and only when what it writes reads back as the same project: a
// value the reader would refuse or read otherwise (not finite, a count out of
// its range, a path that reads shorter) is reported with its line instead.
std::optional<UserMessage> writeProjectFile(const Document& d, const std::string& path);

// Stored positions taken at one FitZoom, moved to another, so that they sit
// on the same picture pixels in a view of another size. Nothing moves, and
// false is returned, when a moved position would not be a finite float.
bool rescaleStoredPositions(Document& d, float fromFitZoom, float toFitZoom);

// Reads the project at `path` into the document; on any failure the
// document is unchanged.
std::optional<UserMessage> readProjectFile(Document& d, const std::string& path);

// The file to open for a project's picture: an absolute stored path as it
// is, a relative one in the project's folder (never the working folder).
// When that does not exist (a project that was moved), the file of the same
// name in the project's folder if there is one; otherwise the path looked for.
std::string resolveImagePath(const std::string& storedPath, const std::string& projectPath);

} // namespace vex
