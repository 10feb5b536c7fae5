// Any bytes as a text table: the reader must neither crash nor hand back a
// table that breaks the record's limits once it is applied.
#include "core/io/text_table.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto table = std::make_unique<vex::ImportedTable>();
    const vex::TableReadResult r = vex::parseTextTable(text, "fuzz.dat", *table);
    if (r.failure && r.code != vex::TableLoaded) __builtin_trap();
    if (r.code < vex::TableLoaded || r.code > vex::TableTooManyPoints) __builtin_trap();
    if (r.failure || r.code != vex::TableLoaded) {
        if (r.failure && r.failure->args[0] != "fuzz.dat") __builtin_trap();
        return 0;
    }

    const auto s = std::make_unique<vex::AppState>();
    vex::applyImportedTable(*s, *table);
    const vex::Dep2D& d = s->dep;
    if (d.NLines < 1 || d.NLines > vex::LinesMax) __builtin_trap();
    for (int j = 1; j <= d.NLines; ++j) {
        if (d.NPoints(j) < 2 || d.NPoints(j) > vex::PointsMax) __builtin_trap();
        if (!std::isfinite(d.LineParam(j))) __builtin_trap();
        for (int k = 1; k <= d.NPoints(j); ++k)
            if (!std::isfinite(d.ArgX(j, k)) || !std::isfinite(d.ValY(j, k))) __builtin_trap();
    }
    if (d.CurLine < 1 || d.CurLine > d.NLines) __builtin_trap();
    if (d.CurPoint < 1 || d.CurPoint > d.NPoints(d.CurLine)) __builtin_trap();

    // What was read writes back and reads again to the same counts.
    const auto again = std::make_unique<vex::ImportedTable>();
    const vex::TableReadResult back = vex::parseTextTable(vex::textTableText(d), "x", *again);
    if (back.failure || back.code != vex::TableLoaded || again->NLines != d.NLines)
        __builtin_trap();
    return 0;
}
