#include "core/io/project_file.h"

#include "core/coords/placeable.h"
#include "core/io/file_access.h"
#include "core/io/number_text.h"
#include "core/messages/catalogue.h"

#include <cmath>
#include <filesystem>
#include <memory>
#include <vector>

namespace vex {
namespace {

constexpr std::string_view kRecordEnd = "\r\n";

void appendRecord(std::string& out, const std::string& record) {
    out += record;
    out += kRecordEnd;
}

// Records of a file, split at line feeds; a carriage return before the line
// feed belongs to the line end, so files with either line end read alike.
std::vector<std::string_view> splitRecords(std::string_view text) {
    std::vector<std::string_view> records;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last) end = text.size();
        std::string_view record = text.substr(start, end - start);
        if (!record.empty() && record.back() == '\r') record.remove_suffix(1);
        records.push_back(record);
        start = last ? text.size() : end + 1;
    }
    return records;
}

class ProjectReader {
  public:
    ProjectReader(std::string_view text, const std::string& path)
        : records_(splitRecords(text)), path_(path) {}

    bool real(float& out) {
        const std::string_view* record = next();
        if (!record) return false;
        if (!readReal(*record, out)) return fail(msg::FileNotANumber);
        if (!std::isfinite(out)) return fail(msg::FileValueNotFinite);
        return true;
    }

    bool count(std::int32_t& out, std::int32_t low, std::int32_t high) {
        const std::string_view* record = next();
        if (!record) return false;
        if (!readInteger(*record, out)) return fail(msg::FileNotANumber);
        if (out < low || out > high) {
            failure_ = message(msg::FileCountOutOfRange);
            failure_->args[2] = listDirectedInteger(out);
            failure_->args[3] = listDirectedInteger(low) + ".." + listDirectedInteger(high);
            return false;
        }
        return true;
    }

    // The picture's path: what stands before the first NUL, without leading
    // or padding blanks. A file that stops before this record has no path.
    std::string path() {
        if (position_ >= records_.size()) return {};
        const std::string_view record = records_[position_++];
        return trimmedBlanks(cutAtFirstNul(record));
    }

    // A failure found after the records were read; `record` counts from 1.
    bool failAt(int number, std::size_t record) {
        failure_ = message(number);
        failure_->args[1] = listDirectedInteger(static_cast<std::int32_t>(record));
        return false;
    }

    bool atEnd() const { return position_ >= records_.size(); }
    std::size_t position() const { return position_; }
    void rewind(std::size_t position) { position_ = position; }
    std::optional<UserMessage> failure() const { return failure_; }

  private:
    const std::string_view* next() {
        if (position_ >= records_.size()) {
            failure_ = message(msg::FileEndsEarly);
            return nullptr;
        }
        return &records_[position_++];
    }
    bool fail(int number) {
        failure_ = message(number);
        return false;
    }
    UserMessage message(int number) const {
        UserMessage m;
        m.number = number;
        m.kind = MessageKind::Warning;
        m.args[0] = path_;
        m.args[1] = listDirectedInteger(static_cast<std::int32_t>(position_ == 0 ? 1 : position_));
        if (number == msg::FileEndsEarly)
            m.args[1] = listDirectedInteger(static_cast<std::int32_t>(records_.size() + 1));
        return m;
    }

    std::vector<std::string_view> records_;
    std::size_t position_ = 0;
    std::string path_;
    std::optional<UserMessage> failure_;
};

// The bundle parameters after the picture's path. Kept only when every
// line has its record; a file without them leaves the parameters alone.
void readLineParams(ProjectReader& in, ProjectContent& out) {
    const std::size_t start = in.position();
    for (int j = 1; j <= out.NLines; ++j) {
        if (in.atEnd() || !in.real(out.LineParam(j))) {
            in.rewind(start);
            out.hasLineParams = false;
            return;
        }
    }
    out.hasLineParams = true;
    // Then, in our own files, the zoom at which the positions were taken.
    float fitZoom = 0.0f;
    if (!in.atEnd() && in.real(fitZoom) && fitZoomStorable(fitZoom)) out.PositionsFitZoom = fitZoom;
}

// The axis scales and the mapping, one record of flags after the zoom; a
// file without it is linear and bilinear. Flags this program does not know
// are refused rather than read as something else.
constexpr std::int32_t LogarithmicXFlag = 1;
constexpr std::int32_t LogarithmicYFlag = 2;
constexpr std::int32_t ProjectiveFlag = 4;

std::int32_t calibrationFlags(const Calibration& c) {
    return (c.XScale == AxisScale::Logarithmic ? LogarithmicXFlag : 0) |
           (c.YScale == AxisScale::Logarithmic ? LogarithmicYFlag : 0) |
           (c.Mapping == QuadMapping::Projective ? ProjectiveFlag : 0);
}

bool readCalibrationFlags(ProjectReader& in, ProjectContent& c) {
    std::int32_t flags = 0;
    if (!in.atEnd() && !in.count(flags, 0, LogarithmicXFlag | LogarithmicYFlag | ProjectiveFlag))
        return false;
    c.XScale = (flags & LogarithmicXFlag) != 0 ? AxisScale::Logarithmic : AxisScale::Linear;
    c.YScale = (flags & LogarithmicYFlag) != 0 ? AxisScale::Logarithmic : AxisScale::Linear;
    c.Mapping = (flags & ProjectiveFlag) != 0 ? QuadMapping::Projective : QuadMapping::Bilinear;
    return true;
}

// Before the scales are read: ranges that no scale could use. A range too
// wide for a linear axis may still serve a logarithmic one.
bool rangesUsableOnSomeScale(ProjectReader& in, const ProjectContent& c, std::size_t firstRange) {
    const auto either = [](auto keepsFinite, float low, float high) {
        return keepsFinite(low, high, AxisScale::Linear) ||
               keepsFinite(low, high, AxisScale::Logarithmic);
    };
    return (either(argumentRangeKeepsChartValuesFinite, c.Xmin, c.Xmax) &&
            either(valueRangeKeepsChartValuesFinite, c.Ymin, c.Ymax)) ||
           in.failAt(msg::FileRangesUnusable, firstRange);
}

// Chart ranges that the inversion's results stay finite under, on the file's
// axis scales.
bool rangesUsable(ProjectReader& in, const ProjectContent& c, std::size_t firstRange) {
    Calibration ranges;
    ranges.Xmin = c.Xmin;
    ranges.Xmax = c.Xmax;
    ranges.Ymin = c.Ymin;
    ranges.Ymax = c.Ymax;
    ranges.XScale = c.XScale;
    ranges.YScale = c.YScale;
    if (rangesKeepChartValuesFinite(ranges)) return true;
    const bool logarithmic =
        c.XScale == AxisScale::Logarithmic || c.YScale == AxisScale::Logarithmic;
    return in.failAt(logarithmic ? msg::FileLogarithmicRangeNotPositive : msg::FileRangesUnusable,
                     firstRange);
}

// Every coordinate of the markers and of the points, one at a time.
template <class Visit> void forEachStoredPosition(Document& d, Visit visit) {
    for (int k = 1; k <= 4; ++k) {
        visit(d.MarkerPixX(k));
        visit(d.MarkerPixY(k));
    }
    for (int j = 1; j <= d.NLines; ++j) {
        for (int k = 1; k <= d.NPoints(j); ++k) {
            visit(d.PixX(j, k));
            visit(d.PixY(j, k));
        }
    }
}

// The first line of a written project that its reader refuses or reads as
// something else: read into a fresh state and written again, the text must
// come back as it was.
std::optional<std::string> lineNotReadBack(const std::string& text) {
    ProjectContent content;
    if (std::optional<UserMessage> failure = parseProjectFile(text, {}, content))
        return failure->args[1];
    const auto back = std::make_unique<Document>(); // too large for the stack
    applyProjectContent(*back, content);
    const std::vector<std::string_view> written = splitRecords(text);
    const std::string rewritten = projectFileText(*back);
    const std::vector<std::string_view> again = splitRecords(rewritten);
    for (std::size_t i = 0; i < std::max(written.size(), again.size()); ++i) {
        if (i >= written.size() || i >= again.size() || written[i] != again[i])
            return listDirectedInteger(static_cast<std::int32_t>(i + 1));
    }
    return std::nullopt;
}

} // namespace

bool fitZoomStorable(float zoom) {
    return zoom >= FitZoomLowest && zoom <= FitZoomHighest;
}

std::string projectFileText(const Document& d) {
    std::string out;
    for (int k = 1; k <= 4; ++k) {
        appendRecord(out, exactRealRecord(d.MarkerPixX(k)));
        appendRecord(out, exactRealRecord(d.MarkerPixY(k)));
    }
    appendRecord(out, integerRecord(d.NLines));
    for (int j = 1; j <= d.NLines; ++j) {
        appendRecord(out, integerRecord(d.NPoints(j)));
        for (int k = 1; k <= d.NPoints(j); ++k) {
            appendRecord(out, exactRealRecord(d.PixX(j, k)));
            appendRecord(out, exactRealRecord(d.PixY(j, k)));
        }
    }
    for (float v : {d.Xmin, d.Xmax, d.Ymin, d.Ymax}) appendRecord(out, exactRealRecord(v));
    appendRecord(out, integerRecord(d.ImageWidth));
    appendRecord(out, integerRecord(d.ImageHeight));

    // The path is written as stored, with its terminating NUL, no leading blank.
    std::string path = trimmedBlanks(d.ImagePath);
    if (!path.empty()) path += '\0';
    appendRecord(out, path);

    for (int j = 1; j <= d.NLines; ++j) appendRecord(out, exactRealRecord(d.LineParam(j)));
    // The flags follow the zoom, which is then written even when unknown (as
    // 0, which readers pass over); a plain linear, bilinear project has none.
    const std::int32_t flags = calibrationFlags(d);
    if (fitZoomStorable(d.PositionsFitZoom))
        appendRecord(out, exactRealRecord(d.PositionsFitZoom));
    else if (flags != 0)
        appendRecord(out, exactRealRecord(0.0f));
    if (flags != 0) appendRecord(out, integerRecord(flags));
    return out;
}

std::optional<UserMessage>
parseProjectFile(std::string_view text, const std::string& pathForMessages, ProjectContent& out) {
    ProjectReader in(text, pathForMessages);
    ProjectContent c;
    for (int k = 1; k <= 4; ++k) {
        if (!in.real(c.MarkerPixX(k)) || !in.real(c.MarkerPixY(k))) return in.failure();
    }
    if (!in.count(c.NLines, 1, LinesMax)) return in.failure();
    for (int j = 1; j <= c.NLines; ++j) {
        if (!in.count(c.NPoints(j), 0, PointsMax)) return in.failure();
        for (int k = 1; k <= c.NPoints(j); ++k) {
            if (!in.real(c.PixX(j, k)) || !in.real(c.PixY(j, k))) return in.failure();
        }
    }
    const std::size_t firstRange = in.position() + 1;
    for (float* v : {&c.Xmin, &c.Xmax, &c.Ymin, &c.Ymax}) {
        if (!in.real(*v)) return in.failure();
    }
    if (!rangesUsableOnSomeScale(in, c, firstRange)) return in.failure();
    constexpr std::int32_t kLargestSide = 1 << 30;
    if (!in.count(c.ImageWidth, 0, kLargestSide) || !in.count(c.ImageHeight, 0, kLargestSide))
        return in.failure();
    c.ImagePath = in.path();
    readLineParams(in, c);
    if (c.hasLineParams && !readCalibrationFlags(in, c)) return in.failure();
    if (!rangesUsable(in, c, firstRange)) return in.failure();
    out = std::move(c);
    return std::nullopt;
}

void applyProjectContent(Document& d, const ProjectContent& c) {
    for (int k = 1; k <= 4; ++k) {
        d.MarkerPixX(k) = c.MarkerPixX(k);
        d.MarkerPixY(k) = c.MarkerPixY(k);
    }
    d.NLines = c.NLines;
    for (int j = 1; j <= c.NLines; ++j) {
        d.NPoints(j) = c.NPoints(j);
        for (int k = 1; k <= c.NPoints(j); ++k) {
            d.PixX(j, k) = c.PixX(j, k);
            d.PixY(j, k) = c.PixY(j, k);
        }
        if (c.hasLineParams) d.LineParam(j) = c.LineParam(j);
    }
    d.Xmin = c.Xmin;
    d.Xmax = c.Xmax;
    d.Ymin = c.Ymin;
    d.Ymax = c.Ymax;
    d.XScale = c.XScale;
    d.YScale = c.YScale;
    d.Mapping = c.Mapping;
    d.ImageWidth = c.ImageWidth;
    d.ImageHeight = c.ImageHeight;
    d.ImagePath = c.ImagePath;
    d.PositionsFitZoom = c.PositionsFitZoom;
}

bool rescaleStoredPositions(Document& d, float fromFitZoom, float toFitZoom) {
    if (!(fromFitZoom > 0.0f) || !(toFitZoom > 0.0f) || fromFitZoom == toFitZoom) return true;
    const float f = toFitZoom / fromFitZoom;
    bool finite = true;
    forEachStoredPosition(d, [&](float& v) { finite = finite && std::isfinite(v * f); });
    if (!finite) return false;
    forEachStoredPosition(d, [f](float& v) { v *= f; });
    d.PositionsFitZoom = toFitZoom;
    return true;
}

std::optional<UserMessage> writeProjectFile(const Document& d, const std::string& path) {
    // A line end inside the picture's path would split its record.
    if (path.empty() || d.ImagePath.find_first_of("\r\n") != std::string::npos) {
        UserMessage m;
        m.number = msg::FileCannotWrite;
        m.args[0] = path;
        return m;
    }
    const std::string text = projectFileText(d);
    if (std::optional<std::string> line = lineNotReadBack(text)) {
        UserMessage m;
        m.number = msg::ProjectNotReadBack;
        m.args[0] = path;
        m.args[1] = std::move(*line);
        return m;
    }
    return replaceFileContent(path, text);
}

std::optional<UserMessage> readProjectFile(Document& d, const std::string& path) {
    std::string text;
    if (auto failure = readWholeFile(path, ProjectFileMaxBytes, text)) return failure;
    ProjectContent content;
    if (auto failure = parseProjectFile(text, path, content)) return failure;
    applyProjectContent(d, content);
    return std::nullopt;
}

std::string resolveImagePath(const std::string& storedPath, const std::string& projectPath) {
    if (storedPath.empty()) return storedPath;
    std::error_code ec;
    const std::filesystem::path stored = pathFromUtf8(storedPath);
    const std::filesystem::path folder = pathFromUtf8(projectPath).parent_path();
    // A relative path is the project's own: the folder the program was started
    // from has no say, or a different picture of the same name would appear
    // under the project's points.
    const std::filesystem::path wanted = stored.is_absolute() ? stored : folder / stored;
    if (std::filesystem::exists(wanted, ec)) return pathToUtf8(wanted);
    // Stored paths may come from another system: take the name after either separator.
    const std::size_t cut = storedPath.find_last_of("/\\");
    const std::string name = cut == std::string::npos ? storedPath : storedPath.substr(cut + 1);
    if (!name.empty() && !projectPath.empty()) {
        const std::filesystem::path beside = folder / pathFromUtf8(name);
        if (std::filesystem::is_regular_file(beside, ec)) return pathToUtf8(beside);
    }
    return pathToUtf8(wanted);
}

} // namespace vex
