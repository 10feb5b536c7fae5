// Any bytes as a text table, through what Import does with it: either a
// refusal that leaves the state exactly as it was, or a table within the
// limits whose points are placed on the picture, and after which the project
// saves into a file that reads back as the same project.
#include "core/io/text_table.h"
#include "core/state/current_inside.h"
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

    // As the Import command does once the file is read.
    const vex::TableReadResult r =
        vex::importTextTable(s->doc, s->work.PerspectiveDistance, text, "fuzz.dat");
    if (r.code == vex::TableLoaded && !r.failure) vex::keepCurrentInsideData(*s);
    require(!(r.failure && r.code != vex::TableLoaded));
    require(r.code >= vex::TableLoaded && r.code <= vex::TableTooManyPoints);
    if (r.failure || r.code != vex::TableLoaded) {
        require(!r.failure || r.failure->args[0] == "fuzz.dat");
        require(s->doc == original->doc);
        return 0;
    }

    const vex::Dep2D& d = s->doc;
    require(d.NLines >= 1 && d.NLines <= vex::LinesMax);
    for (int j = 1; j <= d.NLines; ++j) {
        require(d.NPoints(j) >= 2 && d.NPoints(j) <= vex::PointsMax);
        require(std::isfinite(d.LineParam(j)));
        for (int k = 1; k <= d.NPoints(j); ++k)
            require(std::isfinite(d.PixX(j, k)) && std::isfinite(d.PixY(j, k)));
    }
    const vex::WorkState& w = s->work;
    require(w.CurLine >= 1 && w.CurLine <= d.NLines);
    require(w.CurPoint >= 1 && w.CurPoint <= d.NPoints(w.CurLine));

    // What was imported exports and imports again to the same counts.
    const auto again = std::make_unique<vex::ImportedTable>();
    const vex::TableReadResult back = vex::parseTextTable(vex::textTableText(d), "x", *again);
    require(!back.failure && back.code == vex::TableLoaded && again->NLines == d.NLines);

    vex::fuzz::requireProjectReadsBack(*s);
    vex::fuzz::requireFiniteChartValues(*s);
    vex::fuzz::requireProjectReadsBack(*s);
    return 0;
}
