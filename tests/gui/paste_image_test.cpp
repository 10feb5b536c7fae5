// File → Paste image: a bitmap on the clipboard becomes the picture; the
// project keeps it in a PNG of its own beside the project file (never over
// a file already there) and opens with it again; a clipboard without a
// picture says so and changes nothing.

#include "core/ui/command_ids.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

namespace vex {
namespace {

using testing::readBytes;
using testing::WindowFixture;

QImage drawnPicture() {
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int x = 100; x < 540; ++x) image.setPixel(x, 240, qRgb(0, 0, 255));
    image.setPixel(320, 100, qRgb(200, 10, 20));
    return image;
}

TEST(PasteImage, ThePastedPictureIsKeptBesideTheProjectAndOpensAgain) {
    WindowFixture f;
    QGuiApplication::clipboard()->setImage(drawnPicture());
    f.run(cmd::PasteImage);
    ASSERT_NE(f.state().work.ImageLoaded, 0);
    EXPECT_EQ(f.window->picture().width(), 640);
    EXPECT_EQ(f.window->picture().image().pixel(320, 100), qRgb(200, 10, 20));
    EXPECT_TRUE(f.state().PictureOnlyInMemory);

    // A file of the project's name is there already: it is left alone.
    const std::string project = f.files.file("pasted.vxr");
    testing::writeBytes(f.files.file("pasted.png"), "someone else's picture");
    f.prompts.chooseFile(QString::fromStdString(project));
    f.run(cmd::SaveProjectAs);
    EXPECT_TRUE(f.prompts.shown().empty());
    EXPECT_EQ(readBytes(f.files.file("pasted.png")), "someone else's picture");
    const std::string kept = f.files.file("pasted-2.png");
    EXPECT_EQ(f.state().doc.ImagePath, kept);
    EXPECT_EQ(QImage(QString::fromStdString(kept)).convertToFormat(QImage::Format_RGB32),
              drawnPicture());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(kept + ".partial")));
    EXPECT_NE(f.state().work.ProjectModified, 1);

    WindowFixture g;
    g.prompts.chooseFile(QString::fromStdString(project));
    g.run(cmd::LoadProject);
    QCoreApplication::processEvents();
    EXPECT_TRUE(g.prompts.shown().empty());
    ASSERT_NE(g.state().work.ImageLoaded, 0);
    EXPECT_EQ(g.window->picture().image().pixel(320, 100), qRgb(200, 10, 20));
}

TEST(PasteImage, AClipboardWithoutAPictureSaysSoAndKeepsThePicture) {
    WindowFixture f;
    ASSERT_TRUE(f.loadBlankPicture(300, 200));
    const std::string path = f.state().doc.ImagePath;
    QGuiApplication::clipboard()->setText(QStringLiteral("no picture here"));
    f.run(cmd::PasteImage);
    ASSERT_EQ(f.prompts.shown().size(), 1u);
    EXPECT_EQ(f.state().doc.ImagePath, path);
    EXPECT_EQ(f.window->picture().width(), 300);
    EXPECT_FALSE(f.state().PictureOnlyInMemory);
}

} // namespace
} // namespace vex
