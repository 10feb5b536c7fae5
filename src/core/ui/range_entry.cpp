#include "core/ui/range_entry.h"

#include "core/coords/placeable.h"
#include "core/io/number_text.h"
#include "core/messages/catalogue.h"
#include "core/ui/typed_number.h"

namespace vex {
namespace {

// One range, from its minimum to its maximum.
struct Range {
    const char* lowName;
    float& low;
    const char* highName;
    float high;
    int invertedMessage;
    bool (*keepsChartValuesFinite)(float low, float high, AxisScale scale);
    AxisScale scale;
};

float repairedLow(const Range& r) {
    return r.high > r.low ? r.low : r.high - 1.0f;
}

bool usableOnceRepaired(const Range& r) {
    const float low = repairedLow(r);
    return r.high > low && r.keepsChartValuesFinite(low, r.high, r.scale);
}

// A logarithmic axis takes positive ends only, before and after a repair.
bool positiveWhereLogarithmic(const Range& r) {
    return r.scale == AxisScale::Linear || (r.low > 0.0f && r.high > 0.0f && repairedLow(r) > 0.0f);
}

UserMessage unusable(const Range& r) {
    return {positiveWhereLogarithmic(r) ? msg::RangeUnusable : msg::LogarithmicRangeNotPositive,
            MessageKind::Warning,
            {r.lowName, listDirectedReal(r.low), r.highName, listDirectedReal(r.high)}};
}

} // namespace

bool storeTypedRange(float& field, std::string_view text) {
    const TypedNumber typed = readTypedNumber(text);
    if (typed.value) field = *typed.value;
    return typed.value.has_value();
}

RangeConfirmation confirmRanges(Calibration& c, const std::array<std::string, 4>& texts,
                                const AxesChoice& axes) {
    RangeConfirmation result;
    for (const std::string& text : texts) {
        if (auto refusal = readTypedNumber(text).refusal) {
            result.messages.push_back(std::move(*refusal));
            return result;
        }
    }
    const Range ranges[] = {{"Xmin", c.Xmin, "Xmax", c.Xmax, msg::ArgumentRangeInverted,
                             argumentRangeKeepsChartValuesFinite, axes.XScale},
                            {"Ymin", c.Ymin, "Ymax", c.Ymax, msg::ValueRangeInverted,
                             valueRangeKeepsChartValuesFinite, axes.YScale}};
    for (const Range& r : ranges)
        if (!usableOnceRepaired(r)) result.messages.push_back(unusable(r));
    if (!result.messages.empty()) return result;

    for (const Range& r : ranges) {
        if (r.high > r.low) continue;
        result.messages.push_back({r.invertedMessage, MessageKind::Warning, {}});
        r.low = repairedLow(r);
    }
    c.XScale = axes.XScale;
    c.YScale = axes.YScale;
    c.Mapping = axes.Mapping;
    result.accepted = true;
    return result;
}

AxesChoice axesOf(const Calibration& c) {
    return {c.XScale, c.YScale, c.Mapping};
}

ChartRanges rangesOf(const Calibration& c) {
    return {c.Xmin, c.Xmax, c.Ymin, c.Ymax};
}

void restoreRanges(Calibration& c, const ChartRanges& ranges) {
    c.Xmin = ranges[0];
    c.Xmax = ranges[1];
    c.Ymin = ranges[2];
    c.Ymax = ranges[3];
}

} // namespace vex
