// Opening a page of a PDF as the picture: the page and resolution picked in
// a dialog, or given as the command line gives them; the rendered page is
// kept with the project beside it. A document that cannot give a picture,
// or a page too large to hold, is refused with its reason and the current
// picture stays.

#include "core/ui/command_ids.h"
#include "window_fixture.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QSpinBox>

namespace vex {
namespace {

using testing::readBytes;
using testing::WindowFixture;

const QString kData = QStringLiteral(VEXILOR_TEST_DATA_DIR "/pdf/");

// Three pages: 4 × 3 inches with only a word, 4 × 3 inches with a black
// box from 1 to 2 inches across and 1 to 1.5 inches down, then 6 × 4 inches.
void writeSheet(const QString& path) {
    QPdfWriter writer(path);
    writer.setResolution(72); // painting in points
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setPageSize(QPageSize(QSizeF(4, 3), QPageSize::Inch));
    QPainter painter(&writer);
    painter.drawText(QPointF(20, 40), QStringLiteral("Contents"));
    writer.newPage();
    painter.fillRect(QRectF(72, 72, 72, 36), Qt::black);
    writer.setPageSize(QPageSize(QSizeF(6, 4), QPageSize::Inch));
    writer.newPage();
    painter.drawText(QPointF(20, 40), QStringLiteral("Index"));
}

bool isBlack(QRgb p) {
    return qRed(p) < 16 && qGreen(p) < 16 && qBlue(p) < 16;
}

template <class T> T& child(QDialog& dialog, const char* name) {
    T* found = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return *found;
}

TEST(PdfOpen, TheChosenPageOpensAtItsResolutionAndIsKeptWithTheProject) {
    WindowFixture f;
    const QString pdf = QString::fromStdString(f.files.file("sheet.pdf"));
    writeSheet(pdf);
    f.prompts.chooseFile(pdf);
    QString shownSize;
    bool previewShown = false;
    f.prompts.onDialog([&](QDialog& d) {
        child<QSpinBox>(d, "page").setValue(2);
        child<QSpinBox>(d, "dpi").setValue(150);
        shownSize = child<QLabel>(d, "pixelSize").text();
        previewShown = !child<QLabel>(d, "thumbnail").pixmap().isNull();
        return int(QDialog::Accepted);
    });
    f.run(cmd::OpenBmpImage);
    QCoreApplication::processEvents(); // the menu posts the command
    EXPECT_TRUE(f.prompts.shown().empty());
    EXPECT_EQ(shownSize, QStringLiteral("600 × 450 pixels"));
    EXPECT_TRUE(previewShown);
    ASSERT_NE(f.state().work.ImageLoaded, 0);
    const QImage page = f.window->picture().image();
    ASSERT_EQ(page.size(), QSize(600, 450)); // 4 × 3 inches at 150 dpi
    EXPECT_TRUE(isBlack(page.pixel(225, 187)));
    EXPECT_TRUE(isBlack(page.pixel(152, 152)));
    EXPECT_EQ(page.pixel(146, 187), qRgb(255, 255, 255)); // paper just left of the box
    EXPECT_EQ(page.pixel(225, 229), qRgb(255, 255, 255)); // and just below it
    EXPECT_EQ(page.pixel(5, 5), qRgb(255, 255, 255));

    const std::string project = f.files.file("sheet.vxr");
    f.prompts.chooseFile(QString::fromStdString(project));
    f.run(cmd::SaveProjectAs);
    EXPECT_TRUE(f.prompts.shown().empty());
    EXPECT_EQ(f.state().doc.ImagePath, f.files.file("sheet.png"));

    WindowFixture g;
    g.prompts.chooseFile(QString::fromStdString(project));
    g.run(cmd::LoadProject);
    QCoreApplication::processEvents();
    EXPECT_TRUE(g.prompts.shown().empty());
    EXPECT_EQ(g.window->picture().image(), page);
}

// Each case leaves one message naming its reason, and the picture as it was.
TEST(PdfOpen, WhatCannotBeAPictureIsRefusedAndThePictureStays) {
    WindowFixture f;
    ASSERT_TRUE(f.loadBlankPicture(300, 200));
    const std::string picture = f.state().doc.ImagePath;
    const std::string sheet = f.files.file("sheet.pdf");
    writeSheet(QString::fromStdString(sheet));
    const std::string whole = readBytes(sheet);
    testing::writeBytes(f.files.file("cut.pdf"), whole.substr(0, whole.size() / 2));
    testing::writeBytes(f.files.file("junk.pdf"), "%PDF-1.7\nnothing a reader can use\n");

    auto refused = [&](const std::string& path, std::optional<PdfPageChoice> page,
                       const char* reason) {
        f.prompts.clearShown();
        f.window->openGivenFile(path, page);
        ASSERT_EQ(f.prompts.shown().size(), 1u) << path;
        EXPECT_TRUE(f.prompts.shown().front().text.contains(QString::fromUtf8(reason)))
            << f.prompts.shown().front().text.toStdString();
        EXPECT_EQ(f.state().doc.ImagePath, picture);
        EXPECT_EQ(f.window->picture().width(), 300);
        EXPECT_FALSE(f.state().PictureOnlyInMemory);
    };
    refused((kData + "protected.pdf").toStdString(), std::nullopt, "password");
    refused((kData + "no_pages.pdf").toStdString(), std::nullopt, "has no pages");
    refused(f.files.file("cut.pdf"), std::nullopt, "cannot be read as a PDF");
    refused(f.files.file("junk.pdf"), PdfPageChoice{}, "cannot be read as a PDF");
    refused(sheet, PdfPageChoice{4, 300}, "there is no page 4");
    // 6 × 4 inches at 3000 dpi: 216 million pixels, refused before any is made.
    refused(sheet, PdfPageChoice{3, 3000}, "18000 x 12000 pixels");

    // In the dialog such a resolution says so and cannot be taken.
    f.prompts.clearShown();
    bool okOffered = true;
    QString shownSize;
    f.prompts.onDialog([&](QDialog& d) {
        child<QSpinBox>(d, "page").setValue(3);
        child<QSpinBox>(d, "dpi").setValue(3000);
        shownSize = child<QLabel>(d, "pixelSize").text();
        okOffered = d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled();
        return int(QDialog::Rejected);
    });
    f.window->openGivenFile(sheet);
    EXPECT_FALSE(okOffered);
    EXPECT_TRUE(shownSize.startsWith(QStringLiteral("18000 × 12000 pixels\ntoo many")))
        << shownSize.toStdString();
    EXPECT_TRUE(f.prompts.shown().empty());
    EXPECT_EQ(f.state().doc.ImagePath, picture);
    EXPECT_TRUE(f.prompts.scriptUsedUp());
}

} // namespace
} // namespace vex
