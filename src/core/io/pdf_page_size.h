#pragma once
// Which page of a PDF becomes the picture, and how many pixels it makes.

#include <cstdint>

namespace vex {

inline constexpr int kDefaultPdfDpi = 300;
inline constexpr int kSmallestPdfDpi = 10;
inline constexpr int kLargestPdfDpi = 20000;

struct PdfPageChoice {
    int page = 1; // counted from 1
    int dpi = kDefaultPdfDpi;
};

struct PagePixels {
    std::int64_t width = 0;
    std::int64_t height = 0;
};

// The size in pixels of a page of `widthPoints` × `heightPoints` (1/72 inch)
// rendered at `dpi`, each side at least one pixel. Never overflows: a side
// too long for any picture comes back clamped far beyond every limit.
PagePixels pdfPagePixels(double widthPoints, double heightPoints, int dpi);

} // namespace vex
