#pragma once
// One edit of the document, kept as the side of it that the document does
// not hold at the moment: swapping the step with the document undoes the
// edit, swapping again redoes it. Only the parts the edit changed are kept
// (the lines it touched, from their first changed point to their last), so a
// step of a dragged point holds one point and even a step that rewrote a
// full document of 20 lines of 200 points holds about 64 KB. The picture is
// kept only by a step that changed it: a picture opened between two steps
// stays whichever way the history is stepped.

#include "core/document/document.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace vex {

class DocumentStep {
  public:
    // The step that leads from `before` to `after`, holding `before`'s side;
    // nothing when the two are the same document.
    static std::optional<DocumentStep> between(const Document& before, const Document& after);

    // `doc` holds one side of the step and gets the other; the step keeps
    // what `doc` held.
    void swapWith(Document& doc);

    // Memory the step holds, for the bound on the history.
    std::size_t bytes() const;

  private:
    // The points first..last of one line slot, with its count and parameter.
    struct LinePart {
        int slot = 1;
        int first = 1;
        std::int32_t count = 0;
        float param = 0.0f;
        std::vector<float> values; // ArgX, ValY, PixX, PixY of each point, in turn
    };
    static std::optional<LinePart> changedPart(const Document& before, const Document& after,
                                               int slot);
    static void swapPart(LinePart& part, Document& doc);

    Calibration calibration_;
    std::int32_t lineCount_ = 1;
    std::optional<ImageFacts> picture_; // only when the edit changed the picture
    std::vector<LinePart> lines_;
};

} // namespace vex
