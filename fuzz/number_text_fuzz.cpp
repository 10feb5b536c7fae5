// Any bytes as an edit box's text or a record of a file: the readers must
// neither crash nor store a value on failure, every float's project field
// must read back as that float, and what the panel's edits and the range
// dialog take in must leave a project that saves and reads back.
#include "core/io/number_text.h"
#include "core/ui/panel_commands.h"
#include "core/ui/range_entry.h"
#include "fuzz_checks.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace {

void readersKeepTheirPresets(std::string_view text) {
    float real = 1.25f;
    if (!vex::readReal(text, real)) vex::fuzz::require(real == 1.25f);
    std::int32_t integer = -7;
    if (!vex::readInteger(text, integer)) vex::fuzz::require(integer == -7);
}

void fieldsReadBack(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(float)) return;
    float v;
    std::memcpy(&v, data, sizeof v);
    vex::fuzz::require(vex::realField(v).size() == 15 && vex::exactRealField(v).size() == 15);
    if (!std::isfinite(v)) return;
    float back = 0.0f;
    vex::fuzz::require(vex::readReal(vex::exactRealField(v), back) && back == v &&
                       std::signbit(back) == std::signbit(v));
}

// The text typed into X =, Y =, the bundle parameter and one range edit.
void typedEverywhere(std::string_view text) {
    static const std::unique_ptr<const vex::AppState> original = vex::fuzz::knownState();
    static const auto s = std::make_unique<vex::AppState>();
    *s = *original;
    s->work.CurPoint = 2;
    vex::typePointX(*s, text);
    vex::typePointY(*s, text);
    vex::typeBundleParameter(*s, text);

    const vex::Calibration opened = s->doc;
    std::array<std::string, 4> texts;
    float* fields[] = {&s->doc.Xmin, &s->doc.Xmax, &s->doc.Ymin, &s->doc.Ymax};
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = vex::listDirectedReal(*fields[i]);
    const std::size_t typedInto = text.size() % texts.size();
    texts[typedInto] = std::string(text.substr(0, 80));
    vex::storeTypedRange(*fields[typedInto], texts[typedInto]);
    if (!vex::confirmRanges(s->doc, texts, vex::axesOf(s->doc)).accepted)
        static_cast<vex::Calibration&>(s->doc) = opened; // Cancel
    vex::fuzz::requireFiniteChartValues(*s);
    vex::fuzz::requireProjectReadsBack(*s);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    readersKeepTheirPresets(text);
    fieldsReadBack(data, size);
    typedEverywhere(text);
    return 0;
}
