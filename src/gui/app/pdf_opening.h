#pragma once
// A page of a PDF document as the chart picture: chosen in a dialog, or
// given (the command line). Whatever goes wrong is told through the prompts.

#include "core/io/pdf_page_size.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <optional>

namespace vex {

class Prompts;

// The page the user picks, rendered; nothing when the document cannot be
// opened or the user cancels.
std::optional<QImage> chosenPdfPage(const QString& path, Prompts& prompts, std::int32_t language);
// The given page, rendered without asking; nothing when it cannot be.
std::optional<QImage> givenPdfPage(const QString& path, PdfPageChoice choice, Prompts& prompts,
                                   std::int32_t language);

} // namespace vex
