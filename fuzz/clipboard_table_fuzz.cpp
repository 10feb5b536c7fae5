// Any bytes as the clipboard's text, through the pop-up menu's Paste: either
// the table exactly as it was, or a table within the limits whose points are
// placed on the picture, after which the project saves into a file that reads
// back as the same project.
#include "core/io/clipboard_table.h"
#include "core/ui/table_commands.h"
#include "fuzz_checks.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using vex::fuzz::require;
    static const std::unique_ptr<const vex::AppState> original = vex::fuzz::knownState();
    static const auto s = std::make_unique<vex::AppState>();
    *s = *original;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const vex::PasteResult r = vex::pasteTableCommand(text, *s);
    const vex::Dep2D& d = s->doc;
    if (!r.changed) {
        require(d == original->doc);
        return 0;
    }
    require(d.NLines >= 1 && d.NLines <= vex::LinesMax);
    for (int j = 1; j <= d.NLines; ++j) {
        require(d.NPoints(j) >= 0 && d.NPoints(j) <= vex::PointsMax);
        require(std::isfinite(d.LineParam(j)));
        for (int k = 1; k <= d.NPoints(j); ++k) {
            require(std::isfinite(d.ArgX(j, k)) && std::isfinite(d.ValY(j, k)));
            require(std::isfinite(d.PixX(j, k)) && std::isfinite(d.PixY(j, k)));
        }
    }
    for (int j = d.NLines + 1; j <= vex::LineSlots; ++j) require(d.NPoints(j) == 0);
    vex::fuzz::requireProjectReadsBack(*s);
    return 0;
}
