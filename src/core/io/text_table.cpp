#include "core/io/text_table.h"

#include "core/coords/mapping.h"
#include "core/coords/placeable.h"
#include "core/io/file_access.h"
#include "core/io/number_text.h"
#include "core/messages/catalogue.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace vex {
namespace {

constexpr std::string_view kRecordEnd = "\r\n";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

void appendRecord(std::string& out, const std::string& record) {
    out += record;
    out += kRecordEnd;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}
bool endsValue(char c) {
    return isBlank(c) || isLineEnd(c) || c == ',' || c == '/';
}

bool equalsIgnoringCase(std::string_view a, std::string_view lower) {
    if (a.size() != lower.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char c = (a[i] >= 'A' && a[i] <= 'Z') ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
        if (c != lower[i]) return false;
    }
    return true;
}

std::string_view withoutSign(std::string_view token) {
    if (!token.empty() && (token.front() == '+' || token.front() == '-')) token.remove_prefix(1);
    return token;
}

// Spelled-out infinities and NaNs are numbers of a kind, just not ones a
// chart can hold; say so rather than calling them non-numbers.
bool namesNonFinite(std::string_view token) {
    const std::string_view t = withoutSign(token);
    return equalsIgnoringCase(t, "inf") || equalsIgnoringCase(t, "infinity") ||
           equalsIgnoringCase(t, "nan");
}

bool isSignedDigits(std::string_view token) {
    const std::string_view t = withoutSign(token);
    return !t.empty() &&
           std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The list-directed reads of a Fortran run-time, over the whole text. Every
// read starts on a new record, takes its values across as many records as it
// needs and skips whatever is left on the last one. Values are separated by
// blanks, TABs, line ends or one comma; a comma with no value before it (a
// null value) or a slash before the read is satisfied would leave a value
// undefined, so both are refused.
class ListDirectedReader {
  public:
    ListDirectedReader(std::string_view text, const std::string& path) : text_(text), path_(path) {
        if (text_.starts_with(kByteOrderMark)) text_.remove_prefix(kByteOrderMark.size());
    }

    bool count(std::int32_t& out) {
        std::string_view token;
        if (!nextValue(token)) return false;
        if (!readInteger(token, out)) {
            // Too many digits for 32 bits is still a count, and certainly
            // outside every limit; the limit checks report it as such.
            if (!isSignedDigits(token)) return failAtToken(token);
            out = token.front() == '-' ? std::numeric_limits<std::int32_t>::min()
                                       : std::numeric_limits<std::int32_t>::max();
        }
        endRead();
        return true;
    }

    bool reals(float* out, int n) {
        for (int i = 0; i < n; ++i) {
            std::string_view token;
            if (!nextValue(token)) return false;
            if (!readReal(token, out[i])) return failAtToken(token);
            if (!std::isfinite(out[i])) return fail(msg::FileValueNotFinite, line_);
        }
        endRead();
        return true;
    }

    const std::optional<UserMessage>& failure() const { return failure_; }

  private:
    bool nextValue(std::string_view& token) {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (isBlank(c)) {
                ++pos_;
            } else if (isLineEnd(c)) {
                skipLineEnd();
            } else if (c == ',') {
                if (!afterValue_) return fail(msg::FileNotANumber, line_);
                afterValue_ = false;
                ++pos_;
            } else if (c == '/') {
                return fail(msg::FileNotANumber, line_);
            } else {
                const std::size_t start = pos_;
                while (pos_ < text_.size() && !endsValue(text_[pos_])) ++pos_;
                token = text_.substr(start, pos_ - start);
                afterValue_ = true;
                return true;
            }
        }
        // The missing value belongs on the line after the last one.
        const bool lastLineOpen = !text_.empty() && !isLineEnd(text_.back());
        return fail(msg::FileEndsEarly, line_ + (lastLineOpen ? 1 : 0));
    }

    // Skips the rest of the record, its line end included.
    void endRead() {
        while (pos_ < text_.size() && !isLineEnd(text_[pos_])) ++pos_;
        if (pos_ < text_.size()) skipLineEnd();
        afterValue_ = false;
    }

    // CR LF, LF or a lone CR.
    void skipLineEnd() {
        if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
        ++pos_;
        ++line_;
    }

    bool failAtToken(std::string_view token) {
        return fail(namesNonFinite(token) ? msg::FileValueNotFinite : msg::FileNotANumber, line_);
    }

    bool fail(int number, std::int32_t line) {
        UserMessage m;
        m.number = number;
        m.kind = MessageKind::Warning;
        m.args[0] = path_;
        m.args[1] = listDirectedInteger(line);
        failure_ = std::move(m);
        return false;
    }

    std::string_view text_;
    const std::string& path_;
    std::size_t pos_ = 0;
    std::int32_t line_ = 1;   // 1-based line of pos_
    bool afterValue_ = false; // a value was read and no comma has followed it yet
    std::optional<UserMessage> failure_;
};

// The first point of the table that the calibration cannot hold, as a message.
std::optional<UserMessage> unplaceablePoint(const Calibration& c, float perspectiveDistance,
                                            const ImportedTable& t, const std::string& path) {
    for (int j = 1; j <= t.NLines; ++j) {
        for (int k = 1; k <= t.NPoints(j); ++k) {
            const float X = t.ArgX(j, k), Y = t.ValY(j, k);
            if (chartPointPlaceable(c, perspectiveDistance, X, Y)) continue;
            return UserMessage{msg::FilePointNotPlaceable,
                               MessageKind::Warning,
                               {path, listDirectedReal(X), listDirectedReal(Y), {}}};
        }
    }
    return std::nullopt;
}

} // namespace

std::string textTableText(const Dep2D& d) {
    std::string out;
    std::size_t points = 0;
    for (int j = 1; j <= d.NLines; ++j) points += static_cast<std::size_t>(d.NPoints(j));
    // Integer records take 15 bytes, real records 18, point records 33.
    out.reserve(15 + (15 + 18) * static_cast<std::size_t>(d.NLines) + 33 * points);

    appendRecord(out, integerRecord(d.NLines));
    for (int j = 1; j <= d.NLines; ++j) {
        appendRecord(out, integerRecord(d.NPoints(j)));
        appendRecord(out, realRecord(d.LineParam(j)));
        for (int k = 1; k <= d.NPoints(j); ++k)
            appendRecord(out, pointRecord(d.ArgX(j, k), d.ValY(j, k)));
    }
    return out;
}

TableReadResult parseTextTable(std::string_view text, const std::string& pathForMessages,
                               ImportedTable& out) {
    ListDirectedReader in(text, pathForMessages);
    TableReadResult result;
    auto failed = [&] {
        result.failure = in.failure();
        return result;
    };
    auto refused = [&](TableImportCode code) {
        result.code = code;
        return result;
    };

    std::int32_t lines = 0;
    if (!in.count(lines)) return failed();
    if (lines < 1) return refused(TableTooFewLines);
    if (lines > LinesMax) return refused(TableTooManyLines);
    out.NLines = lines;

    for (int j = 1; j <= lines; ++j) {
        std::int32_t points = 0;
        if (!in.count(points)) return failed();
        if (points < 2) return refused(TableTooFewPoints);
        if (points > PointsMax) return refused(TableTooManyPoints);
        out.NPoints(j) = points;

        if (!in.reals(&out.LineParam(j), 1)) return failed();
        for (int k = 1; k <= points; ++k) {
            float xy[2];
            if (!in.reals(xy, 2)) return failed();
            out.ArgX(j, k) = xy[0];
            out.ValY(j, k) = xy[1];
        }
    }
    return result;
}

void applyImportedTable(Document& d, const ImportedTable& t) {
    d.NLines = t.NLines;
    for (int j = 1; j <= t.NLines; ++j) {
        d.NPoints(j) = t.NPoints(j);
        d.LineParam(j) = t.LineParam(j);
        for (int k = 1; k <= t.NPoints(j); ++k) {
            d.ArgX(j, k) = t.ArgX(j, k);
            d.ValY(j, k) = t.ValY(j, k);
            INVERTARGANDPARTOMOUSEXY(d, d, j, k);
        }
    }
}

std::optional<UserMessage> Save2DepInTxt(const Dep2D& d, const std::string& path) {
    return replaceFileContent(path, textTableText(d));
}

TableReadResult importTextTable(Document& d, float perspectiveDistance, std::string_view text,
                                const std::string& pathForMessages) {
    // Two 40 × 200 float tables: too big to sit on the stack comfortably.
    const auto table = std::make_unique<ImportedTable>();
    TableReadResult result = parseTextTable(text, pathForMessages, *table);
    if (result.code != TableLoaded || result.failure) return result;
    if ((result.failure = unplaceablePoint(d, perspectiveDistance, *table, pathForMessages)))
        return result;
    applyImportedTable(d, *table);
    return result;
}

TableReadResult Load2DepFromTxt(Document& d, float perspectiveDistance, const std::string& path) {
    TableReadResult result;
    std::string text;
    if ((result.failure = readWholeFile(path, TextTableMaxBytes, text))) return result;
    return importTextTable(d, perspectiveDistance, text, path);
}

std::optional<UserMessage> importCodeMessage(int code) {
    UserMessage m;
    m.kind = MessageKind::Warning;
    switch (code) {
    case TableTooFewPoints:
        m.number = msg::ExportTooFewPoints;
        break;
    case TableTooFewLines:
        m.number = msg::ExportTooFewLines;
        break;
    case TableTooManyLines:
        m.number = msg::ExportTooManyLines;
        m.args[0] = listDirectedInteger(LinesMax);
        break;
    case TableTooManyPoints:
        m.number = msg::ExportTooManyPoints;
        m.args[0] = listDirectedInteger(PointsMax);
        break;
    default:
        return std::nullopt;
    }
    return m;
}

} // namespace vex
