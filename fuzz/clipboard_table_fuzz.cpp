// Any bytes as the clipboard's text: the paste must either leave the table
// exactly as it was or store a table within the limits, with finite values.
#include "core/io/clipboard_table.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace {

std::unique_ptr<vex::AppState> knownState() {
    auto s = std::make_unique<vex::AppState>();
    vex::Dep2D& d = s->dep;
    d.NLines = 2;
    for (int j = 1; j <= 2; ++j) {
        d.LineParam(j) = 1.5f * j;
        d.NPoints(j) = 3;
        for (int k = 1; k <= 3; ++k) {
            d.ArgX(j, k) = 0.1f * k;
            d.ValY(j, k) = 0.2f * j;
            d.PixX(j, k) = 100.0f + k;
            d.PixY(j, k) = 200.0f + j;
        }
    }
    return s;
}

bool finite(float v) {
    return std::isfinite(v);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::unique_ptr<const vex::AppState> original = knownState();
    // One working state for all runs: a fresh 130 KB block per run is most of
    // the time spent under the address sanitizer.
    static const std::unique_ptr<vex::AppState> s = std::make_unique<vex::AppState>();
    *s = *original;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const vex::PasteResult r = vex::PASTEBINARYDEP2DFROMBMP(text, *s);
    const vex::Dep2D& d = s->dep;
    if (!r.changed) {
        if (!(d == original->dep)) __builtin_trap();
        return 0;
    }
    if (d.NLines < 1 || d.NLines > vex::LinesMax) __builtin_trap();
    for (int j = 1; j <= d.NLines; ++j) {
        if (d.NPoints(j) < 1 || d.NPoints(j) > vex::PointsMax) __builtin_trap();
        if (!finite(d.LineParam(j))) __builtin_trap();
        for (int k = 1; k <= d.NPoints(j); ++k)
            if (!finite(d.ArgX(j, k)) || !finite(d.ValY(j, k))) __builtin_trap();
    }
    for (int j = d.NLines + 1; j <= vex::LineSlots; ++j)
        if (d.NPoints(j) != 0) __builtin_trap();
    return 0;
}
