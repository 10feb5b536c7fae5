#pragma once
// The text table: the exchange format of the captured result. The line
// count, then per line its point count, its bundle parameter and one X Y
// record per point, in chart units. Written in the list-directed layout with
// CR LF records; read with list-directed tolerance (values may wander over
// several lines, extra values on a record are skipped).

#include "core/data/dep2d.h"
#include "core/data/one_based.h"
#include "core/document/document.h"
#include "core/messages/user_message.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vex {

// A table is at most 20 × 200 point records of 33 bytes; anything far beyond
// that is not a table.
inline constexpr std::size_t TextTableMaxBytes = 8u << 20;

// Result codes of an import, as the import command reports them.
enum TableImportCode : int {
    TableLoaded = 0,
    TableTooFewPoints = 1,  // a line has fewer than 2 points
    TableTooFewLines = 2,   // the line count is below 1
    TableTooManyLines = 3,  // the line count is above LinesMax
    TableTooManyPoints = 4, // a line has more than PointsMax points
};

// Scratch storage of an import, so that a refused or damaged file never
// reaches the live data.
struct ImportedTable {
    std::int32_t NLines = 0;
    OneBased<std::int32_t, LineSlots> NPoints;
    OneBased<float, LineSlots> LineParam;
    OneBased2<float, LineSlots, PointSlots> ArgX, ValY;
};

struct TableReadResult {
    int code = TableLoaded;
    // Set when the file cannot be read or its text is not a table (it ends
    // early, holds a non-number or a value that is not finite); code is then 0.
    std::optional<UserMessage> failure;
};

// The bytes of the exported file: every line with its parameter and the
// chart values as held (not recomputed), each record ending in CR LF.
std::string textTableText(const Dep2D& d);

// Reads a table into `out`. The counts are checked as they are read, the line
// count before any line and each point count before its parameter, so the
// first offending count decides the code. `out` is complete only when the
// code is TableLoaded and there is no failure.
TableReadResult parseTextTable(std::string_view text, const std::string& pathForMessages,
                               ImportedTable& out);

// Puts a successfully parsed table into the document: lines 1..NLines get
// their counts, parameters and chart values, and their image positions are
// recomputed from the chart values with the document's calibration. Line
// slots above NLines keep their contents.
void applyImportedTable(Document& d, const ImportedTable& t);

// The import of a table's text: parsed, then refused with a message when a
// point cannot be placed on the picture with the current calibration (and
// found there again, with the search box `perspectiveDistance` chooses),
// otherwise applied. On a refusal or failure the document is unchanged.
TableReadResult importTextTable(Document& d, float perspectiveDistance, std::string_view text,
                                const std::string& pathForMessages);

// Writes the table to `path`; a failed write leaves any previous file as it was.
std::optional<UserMessage> Save2DepInTxt(const Dep2D& d, const std::string& path);

// Reads the table at `path` into the document. On a refused count (code
// 1..4) or a failure the document is unchanged.
TableReadResult Load2DepFromTxt(Document& d, float perspectiveDistance, const std::string& path);

// The warning for an import code 1..4; nothing for 0 or unknown codes.
std::optional<UserMessage> importCodeMessage(int code);

} // namespace vex
