#pragma once
// A PDF document whose pages can become the chart picture, rendered by Qt's
// PDF module.

#include "core/io/pdf_page_size.h"
#include "core/messages/user_message.h"

#include <QImage>
#include <QString>

#include <memory>
#include <optional>

class QPdfDocument;

namespace vex {

class PdfDocument {
  public:
    PdfDocument();
    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    // Nothing when it is open; otherwise why not: protected by a password,
    // damaged, not a PDF, or without a page.
    std::optional<UserMessage> open(const QString& path);
    int pageCount() const;
    // The size of the page (counted from 1) rendered at `dpi`.
    PagePixels pixelsOf(PdfPageChoice choice) const;
    // Why that page at that resolution cannot be the picture (no such page,
    // too many pixels), or nothing.
    std::optional<UserMessage> refusalOf(PdfPageChoice choice) const;
    // The page on white paper, as 32-bit pixels; a message when it is
    // refused or cannot be rendered.
    std::optional<UserMessage> render(PdfPageChoice choice, QImage& picture);
    // The page fitted into `longestSide` pixels, for showing which page it is.
    QImage thumbnail(int page, int longestSide);

  private:
    QImage renderedOnWhite(int page, QSize size);

    std::unique_ptr<QPdfDocument> document_;
    QString path_;
};

} // namespace vex
