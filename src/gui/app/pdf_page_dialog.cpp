#include "gui/app/pdf_page_dialog.h"

#include "gui/platform/in_language.h"
#include "gui/view/pdf_document.h"
#include "gui/view/picture.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>

namespace vex {
namespace {

constexpr int kThumbnailSide = 200;

QSpinBox* spinBox(const char* name, const char* accessibleName, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(QString::fromLatin1(accessibleName));
    return box;
}

} // namespace

PdfPageDialog::PdfPageDialog(PdfDocument& document, std::int32_t language, QWidget* parent)
    : QDialog(parent), document_(document), language_(language) {
    setWindowTitle(inLanguage(language, "Open PDF page", "Открыть страницу PDF"));
    page_ = spinBox("page", "Page", this);
    page_->setRange(1, document.pageCount());
    page_->setSuffix(inLanguage(language, " of ", " из ") + QString::number(document.pageCount()));
    dpi_ = spinBox("dpi", "Resolution", this);
    dpi_->setRange(kSmallestPdfDpi, kLargestPdfDpi);
    dpi_->setSuffix(QStringLiteral(" dpi"));
    dpi_->setValue(kDefaultPdfDpi);
    pixelSize_ = new QLabel(this);
    pixelSize_->setObjectName(QStringLiteral("pixelSize"));
    pixelSize_->setAccessibleName(QStringLiteral("Pixel size"));
    thumbnail_ = new QLabel(this);
    thumbnail_->setObjectName(QStringLiteral("thumbnail"));
    thumbnail_->setAccessibleName(QStringLiteral("Page preview"));
    thumbnail_->setFixedSize(kThumbnailSide, kThumbnailSide);
    thumbnail_->setAlignment(Qt::AlignCenter);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(page_, &QSpinBox::valueChanged, this, [this] { showPage(); });
    connect(dpi_, &QSpinBox::valueChanged, this, [this] { showPixelSize(); });

    auto* layout = new QFormLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize); // follows the size text's lines
    layout->addRow(thumbnail_);
    layout->addRow(inLanguage(language, "Page:", "Страница:"), page_);
    layout->addRow(inLanguage(language, "Resolution:", "Разрешение:"), dpi_);
    layout->addRow(inLanguage(language, "Picture:", "Изображение:"), pixelSize_);
    layout->addRow(buttons);
    showPage();
}

PdfPageChoice PdfPageDialog::choice() const {
    return {page_->value(), dpi_->value()};
}

void PdfPageDialog::showPage() {
    thumbnail_->setPixmap(QPixmap::fromImage(document_.thumbnail(page_->value(), kThumbnailSide)));
    showPixelSize();
}

// The size the picture would have; one too large to open says so, and
// cannot be chosen.
void PdfPageDialog::showPixelSize() {
    const PagePixels size = document_.pixelsOf(choice());
    QString text =
        inLanguage(language_, "%1 × %2 pixels", "%1 × %2 пикс.").arg(size.width).arg(size.height);
    const bool tooLarge = document_.refusalOf(choice()).has_value();
    if (tooLarge)
        text += inLanguage(language_, "\ntoo many: at most %1 million",
                           "\nслишком много: не более %1 млн")
                    .arg(Picture::kLargestPixelCount / 1'000'000);
    pixelSize_->setText(text);
    ok_->setEnabled(!tooLarge);
}

} // namespace vex
