#pragma once
// Opening a PDF: which page becomes the picture, and at what resolution,
// with a preview of the page and the size in pixels it would have.

#include "core/io/pdf_page_size.h"

#include <QDialog>

#include <cstdint>

class QLabel;
class QPushButton;
class QSpinBox;

namespace vex {

class PdfDocument;

class PdfPageDialog : public QDialog {
    Q_OBJECT
  public:
    PdfPageDialog(PdfDocument& document, std::int32_t language, QWidget* parent = nullptr);
    PdfPageChoice choice() const;

  private:
    void showPage();
    void showPixelSize();

    PdfDocument& document_;
    std::int32_t language_;
    QSpinBox* page_ = nullptr;
    QSpinBox* dpi_ = nullptr;
    QLabel* pixelSize_ = nullptr;
    QLabel* thumbnail_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace vex
