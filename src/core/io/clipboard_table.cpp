#include "core/io/clipboard_table.h"

#include "core/coords/chart_values.h"
#include "core/coords/mapping.h"
#include "core/coords/placeable.h"
#include "core/io/number_text.h"
#include "core/messages/catalogue.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vex {
namespace {

constexpr std::string_view kHeader = "Dep2D_CD";
constexpr std::string_view kLineEnd = "\r\n";
// The line count's line starts with 7 blanks; other readers of this
// format may count on it.
constexpr std::string_view kCountIndent = "       ";

UserMessage errorBox(int number) {
    return UserMessage{number, MessageKind::Error, {}};
}

UserMessage tooManyPointsWarning(std::int32_t count) {
    return UserMessage{msg::PasteTooManyPoints,
                       MessageKind::Warning,
                       {listDirectedInteger(PointsMax),
                        listDirectedInteger(count),
                        listDirectedInteger(PointsMax),
                        {}}};
}

UserMessage tooManyLinesError(std::int32_t count) {
    return UserMessage{msg::ClipboardTooManyLines,
                       MessageKind::Error,
                       {listDirectedInteger(count), listDirectedInteger(LinesMax), {}, {}}};
}

// Hands out the text one line at a time. Text from this platform's programs
// ends its lines with LF only, so CR LF and LF are both taken; a last line
// without a line end still counts. TABs separate values like blanks.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : rest_(text) {}

    std::optional<std::string> next() {
        if (rest_.empty()) return std::nullopt;
        const std::size_t end = rest_.find('\n');
        std::string_view line = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        std::string out(line);
        std::replace(out.begin(), out.end(), '\t', ' ');
        return out;
    }

  private:
    std::string_view rest_;
};

// An overflowing number reads as infinity; such a value cannot be placed in
// the image or written back, so it counts as unreadable.
bool readFiniteReal(std::string_view text, float& out) {
    float value = 0.0f;
    if (!readReal(text, value) || !std::isfinite(value)) return false;
    out = value;
    return true;
}

// What follows the first value's separator: blanks, or a comma or slash with
// blanks around it, as in a list-directed read. Empty when there is no
// second value (a slash ends the record).
std::string_view afterFirstValue(std::string_view line) {
    std::size_t p = line.find_first_not_of(' ');
    if (p == std::string_view::npos) return {};
    p = line.find_first_of(" ,/", p);
    if (p == std::string_view::npos || line[p] == '/') return {};
    bool comma = line[p] == ',';
    ++p;
    while (p < line.size() && line[p] == ' ') ++p;
    if (!comma && p < line.size() && line[p] == ',') ++p;
    return line.substr(p);
}

struct PastedLine {
    float param = 0.0f;
    std::vector<std::pair<float, float>> points; // (X, Y)
};

enum class TableRead { Table, Nothing, Failed };

// A point line holds X and Y and nothing more. A third value is refused:
// it is what a spreadsheet with decimal commas produces ("1,5<TAB>2,5"),
// which would otherwise read quietly as X = 1, Y = 5.
bool readPoint(LineReader& reader, std::pair<float, float>& point) {
    const std::optional<std::string> line = reader.next();
    if (!line) return false;
    const std::string_view second = afterFirstValue(*line);
    return readFiniteReal(*line, point.first) && readFiniteReal(second, point.second) &&
           afterFirstValue(second).find_first_not_of(' ') == std::string_view::npos;
}

// Reads one line block: parameter, count, points. The surplus points of a
// count above PointsMax are skipped so that the next block is read from its
// own first line.
bool readLineBlock(LineReader& reader, PastedLine& block, std::vector<UserMessage>& messages) {
    std::optional<std::string> line = reader.next();
    if (!line || !readFiniteReal(*line, block.param)) return false;
    std::int32_t count = 0;
    line = reader.next();
    if (!line || !readInteger(*line, count) || count <= 0) return false;

    std::int32_t kept = count;
    if (count > PointsMax) {
        messages.push_back(tooManyPointsWarning(count));
        kept = PointsMax;
    }
    block.points.resize(static_cast<std::size_t>(kept));
    for (auto& point : block.points)
        if (!readPoint(reader, point)) return false;
    // Each skipped line uses up at least one character, so a huge count ends
    // with the text.
    for (std::int32_t k = kept; k < count; ++k)
        if (!reader.next()) return false;
    return true;
}

// The whole table is read before anything is stored. Clearing the line counts
// first and reading straight into the live table would let a faulty
// clipboard destroy the user's work.
TableRead readTable(std::string_view text, std::vector<PastedLine>& lines,
                    std::vector<UserMessage>& messages) {
    LineReader reader(text);
    reader.next(); // the header: anything in this layout is welcome

    std::int32_t count = 0;
    const std::optional<std::string> countLine = reader.next();
    if (!countLine || !readInteger(*countLine, count)) {
        messages.push_back(errorBox(msg::ClipboardReadFailed));
        return TableRead::Failed;
    }
    if (count <= 0) return TableRead::Nothing;
    // Refused, not cut: a table with more lines than the program handles is
    // not the table the user meant to paste.
    if (count > LinesMax) {
        messages.push_back(tooManyLinesError(count));
        return TableRead::Failed;
    }

    lines.resize(static_cast<std::size_t>(count));
    for (PastedLine& block : lines) {
        if (!readLineBlock(reader, block, messages)) {
            messages.push_back(errorBox(msg::ClipboardReadFailed));
            return TableRead::Failed;
        }
    }
    return TableRead::Table;
}

// The first pasted point that the calibration cannot hold, as a message.
std::optional<UserMessage> unplaceablePoint(const Calibration& c, float perspectiveDistance,
                                            const std::vector<PastedLine>& lines) {
    for (const PastedLine& line : lines) {
        for (const auto& [X, Y] : line.points) {
            if (chartPointPlaceable(c, perspectiveDistance, X, Y)) continue;
            return UserMessage{msg::ClipboardPointNotPlaceable,
                               MessageKind::Error,
                               {listDirectedReal(X), listDirectedReal(Y), {}, {}}};
        }
    }
    return std::nullopt;
}

void storeTable(const std::vector<PastedLine>& lines, Document& d) {
    const auto n = static_cast<std::int32_t>(lines.size());
    d.NLines = n;
    for (std::int32_t j = 1; j <= n; ++j) {
        const PastedLine& block = lines[static_cast<std::size_t>(j - 1)];
        d.LineParam(j) = block.param;
        d.NPoints(j) = static_cast<std::int32_t>(block.points.size());
        for (std::int32_t k = 1; k <= d.NPoints(j); ++k) {
            d.ArgX(j, k) = block.points[static_cast<std::size_t>(k - 1)].first;
            d.ValY(j, k) = block.points[static_cast<std::size_t>(k - 1)].second;
            INVERTARGANDPARTOMOUSEXY(d, d, j, k);
        }
    }
    for (int j = n + 1; j <= LineSlots; ++j) d.NPoints(j) = 0;
}

void appendLine(std::string& block, std::string_view text) {
    block += text;
    block += kLineEnd;
}

} // namespace

std::string COPYBINARYDEP2DFROMBMP(Document& d, float perspectiveDistance) {
    recomputeAllChartValues(d, perspectiveDistance);

    std::string block;
    appendLine(block, kHeader);
    block += kCountIndent;
    appendLine(block, listDirectedInteger(d.NLines));
    for (std::int32_t j = 1; j <= d.NLines; ++j) {
        appendLine(block, listDirectedReal(d.LineParam(j)));
        appendLine(block, listDirectedInteger(d.NPoints(j)));
        for (std::int32_t k = 1; k <= d.NPoints(j); ++k) {
            block += listDirectedReal(d.ArgX(j, k));
            block += '\t';
            appendLine(block, listDirectedReal(d.ValY(j, k)));
        }
    }
    block += '\0';
    return block;
}

PasteResult PASTEBINARYDEP2DFROMBMP(std::string_view clipboardText, Document& d,
                                    float perspectiveDistance) {
    PasteResult result;
    const std::string_view text = cutAtFirstNul(clipboardText);
    if (text.empty()) {
        result.messages.push_back(errorBox(msg::ClipboardEmpty));
        return result;
    }
    std::vector<PastedLine> lines;
    if (readTable(text, lines, result.messages) != TableRead::Table) return result;
    if (std::optional<UserMessage> refusal = unplaceablePoint(d, perspectiveDistance, lines)) {
        result.messages.push_back(std::move(*refusal));
        return result;
    }
    storeTable(lines, d);
    result.changed = true;
    return result;
}

} // namespace vex
