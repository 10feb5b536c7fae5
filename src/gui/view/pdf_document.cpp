#include "gui/view/pdf_document.h"

#include "core/io/file_access.h"
#include "core/messages/catalogue.h"
#include "gui/view/picture.h"

#include <QPdfDocument>

#include <algorithm>
#include <cmath>

namespace vex {
namespace {

UserMessage refusal(int number, const QString& path) {
    return fileMessage(number, path.toStdString());
}

// Paper where the page paints nothing: each premultiplied pixel laid over
// white, in place, then read as opaque.
void layOnWhite(QImage& image) {
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = row[x];
            const int paper = 255 - qAlpha(p);
            row[x] = qRgb(qRed(p) + paper, qGreen(p) + paper, qBlue(p) + paper);
        }
    }
    image.reinterpretAsFormat(QImage::Format_RGB32);
}

} // namespace

PdfDocument::PdfDocument() : document_(std::make_unique<QPdfDocument>()) {}

PdfDocument::~PdfDocument() = default;

std::optional<UserMessage> PdfDocument::open(const QString& path) {
    path_ = path;
    switch (document_->load(path)) {
    case QPdfDocument::Error::None:
        break;
    case QPdfDocument::Error::IncorrectPassword:
    case QPdfDocument::Error::UnsupportedSecurityScheme:
        return refusal(msg::PdfProtected, path);
    case QPdfDocument::Error::FileNotFound:
        return refusal(msg::FileCannotOpen, path);
    default:
        return refusal(msg::PdfUnreadable, path);
    }
    if (document_->pageCount() <= 0) return refusal(msg::PdfHasNoPages, path);
    return std::nullopt;
}

int PdfDocument::pageCount() const {
    return document_->pageCount();
}

PagePixels PdfDocument::pixelsOf(PdfPageChoice choice) const {
    const QSizeF points = document_->pagePointSize(choice.page - 1);
    return pdfPagePixels(points.width(), points.height(), choice.dpi);
}

std::optional<UserMessage> PdfDocument::refusalOf(PdfPageChoice choice) const {
    if (choice.page < 1 || choice.page > pageCount()) {
        UserMessage m = refusal(msg::PdfPageMissing, path_);
        m.args[1] = std::to_string(pageCount());
        m.args[2] = std::to_string(choice.page);
        return m;
    }
    const PagePixels size = pixelsOf(choice);
    if (size.width * size.height <= Picture::kLargestPixelCount) return std::nullopt;
    UserMessage m;
    m.number = msg::PdfPageTooLarge;
    m.kind = MessageKind::Warning;
    m.args = {std::to_string(choice.page), std::to_string(choice.dpi),
              std::to_string(size.width) + " x " + std::to_string(size.height),
              std::to_string(Picture::kLargestPixelCount / 1'000'000)};
    return m;
}

std::optional<UserMessage> PdfDocument::render(PdfPageChoice choice, QImage& picture) {
    if (auto refused = refusalOf(choice)) return refused;
    const PagePixels size = pixelsOf(choice);
    QImage page = renderedOnWhite(
        choice.page, QSize(static_cast<int>(size.width), static_cast<int>(size.height)));
    if (page.isNull()) {
        UserMessage m = refusal(msg::PdfPageNotRendered, path_);
        m.args[1] = std::to_string(choice.page);
        return m;
    }
    picture = std::move(page);
    return std::nullopt;
}

QImage PdfDocument::thumbnail(int page, int longestSide) {
    const QSizeF points = document_->pagePointSize(page - 1);
    if (points.isEmpty()) return {};
    const QSizeF fitted = points.scaled(longestSide, longestSide, Qt::KeepAspectRatio);
    return renderedOnWhite(
        page, QSize(std::max(1, qRound(fitted.width())), std::max(1, qRound(fitted.height()))));
}

QImage PdfDocument::renderedOnWhite(int page, QSize size) {
    QImage image = document_->render(page - 1, size);
    if (image.isNull() || image.size() != size) return {};
    layOnWhite(image);
    return image;
}

} // namespace vex
