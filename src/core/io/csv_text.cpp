#include "core/io/csv_text.h"

#include <array>
#include <charconv>

namespace vex {

std::string csvNumber(float v) {
    std::array<char, 64> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v);
    if (error != std::errc()) return {};
    return std::string(buffer.data(), end);
}

std::string pointsCsvText(const Dep2D& d) {
    std::string out = "line,parameter,x,y\r\n";
    for (int j = 1; j <= d.NLines; ++j)
        for (int k = 1; k <= d.NPoints(j); ++k)
            out += std::to_string(j) + ',' + csvNumber(d.LineParam(j)) + ',' +
                   csvNumber(d.ArgX(j, k)) + ',' + csvNumber(d.ValY(j, k)) + "\r\n";
    return out;
}

} // namespace vex
