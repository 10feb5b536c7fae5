#include "core/document/document_step.h"

#include <utility>

namespace vex {
namespace {

constexpr int kValuesPerPoint = 4;

bool pointDiffers(const Document& a, const Document& b, int slot, int k) {
    return a.ArgX(slot, k) != b.ArgX(slot, k) || a.ValY(slot, k) != b.ValY(slot, k) ||
           a.PixX(slot, k) != b.PixX(slot, k) || a.PixY(slot, k) != b.PixY(slot, k);
}

} // namespace

std::optional<DocumentStep::LinePart> DocumentStep::changedPart(const Document& before,
                                                                const Document& after, int slot) {
    int first = 1;
    while (first <= PointSlots && !pointDiffers(before, after, slot, first)) ++first;
    int last = PointSlots;
    while (last >= first && !pointDiffers(before, after, slot, last)) --last;
    if (first > last && before.NPoints(slot) == after.NPoints(slot) &&
        before.LineParam(slot) == after.LineParam(slot))
        return std::nullopt;

    LinePart part;
    part.slot = slot;
    part.first = first;
    part.count = before.NPoints(slot);
    part.param = before.LineParam(slot);
    part.values.reserve(static_cast<std::size_t>(last - first + 1) * kValuesPerPoint);
    for (int k = first; k <= last; ++k) {
        for (float v : {before.ArgX(slot, k), before.ValY(slot, k), before.PixX(slot, k),
                        before.PixY(slot, k)})
            part.values.push_back(v);
    }
    return part;
}

void DocumentStep::swapPart(LinePart& part, Document& doc) {
    const int j = part.slot;
    std::swap(part.count, doc.NPoints(j));
    std::swap(part.param, doc.LineParam(j));
    std::size_t i = 0;
    for (int k = part.first; i < part.values.size(); ++k) {
        for (float* v : {&doc.ArgX(j, k), &doc.ValY(j, k), &doc.PixX(j, k), &doc.PixY(j, k)})
            std::swap(*v, part.values[i++]);
    }
}

std::optional<DocumentStep> DocumentStep::between(const Document& before, const Document& after) {
    if (before == after) return std::nullopt;
    DocumentStep step;
    // A step keeps only the parts of the document it needs to restore.
    step.calibration_ = static_cast<const Calibration&>(before);
    step.lineCount_ = before.NLines;
    const auto& picture = static_cast<const ImageFacts&>(before);
    if (picture != after) step.picture_ = picture;
    for (int j = 1; j <= LineSlots; ++j) {
        if (std::optional<LinePart> part = changedPart(before, after, j))
            step.lines_.push_back(std::move(*part));
    }
    return step;
}

void DocumentStep::swapWith(Document& doc) {
    std::swap(calibration_, static_cast<Calibration&>(doc));
    std::swap(lineCount_, doc.NLines);
    if (picture_) std::swap(*picture_, static_cast<ImageFacts&>(doc));
    for (LinePart& part : lines_) swapPart(part, doc);
}

std::size_t DocumentStep::bytes() const {
    std::size_t total = sizeof(*this) + (picture_ ? picture_->ImagePath.capacity() : 0);
    for (const LinePart& part : lines_)
        total += sizeof(part) + part.values.capacity() * sizeof(float);
    return total;
}

} // namespace vex
