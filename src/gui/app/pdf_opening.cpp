#include "gui/app/pdf_opening.h"

#include "gui/app/pdf_page_dialog.h"
#include "gui/platform/prompts.h"
#include "gui/platform/wait_cursor.h"
#include "gui/view/pdf_document.h"

#include <QDialog>

namespace vex {
namespace {

bool told(const std::optional<UserMessage>& failure, Prompts& prompts, std::int32_t language) {
    if (failure) prompts.show(*failure, language);
    return failure.has_value();
}

std::optional<QImage> rendered(PdfDocument& document, PdfPageChoice choice, Prompts& prompts,
                               std::int32_t language) {
    QImage page;
    std::optional<UserMessage> failure;
    {
        const WaitCursor wait; // a large page takes a while
        failure = document.render(choice, page);
    }
    if (told(failure, prompts, language)) return std::nullopt;
    return page;
}

} // namespace

std::optional<QImage> chosenPdfPage(const QString& path, Prompts& prompts, std::int32_t language) {
    PdfDocument document;
    if (told(document.open(path), prompts, language)) return std::nullopt;
    PdfPageDialog dialog(document, language);
    if (prompts.exec(dialog) != QDialog::Accepted) return std::nullopt;
    return rendered(document, dialog.choice(), prompts, language);
}

std::optional<QImage> givenPdfPage(const QString& path, PdfPageChoice choice, Prompts& prompts,
                                   std::int32_t language) {
    PdfDocument document;
    if (told(document.open(path), prompts, language)) return std::nullopt;
    return rendered(document, choice, prompts, language);
}

} // namespace vex
