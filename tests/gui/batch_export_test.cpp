// The command-line exports and the exports of a window that has just opened
// the project give the same numbers.

#include "core/cli/batch_export.h"
#include "core/io/project_file.h"
#include "core/ui/command_ids.h"
#include "core/ui/project_routines.h"
#include "window_fixture.h"

#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <string>

namespace vex {
namespace {

using testing::readBytes;
using testing::WindowFixture;

// A chart photographed at a steep angle: its upper and lower edges meet close
// to the right, so the solver gets the narrow search box. One point lies
// beyond that box, where the box decides the answer.
std::string writeSteepProject(WindowFixture& f) {
    QImage picture(1400, 500, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const std::string picturePath = f.files.file("steep.bmp");
    picture.save(QString::fromStdString(picturePath), "BMP");

    AppState s;
    const float markers[4][2] = {{50, 50}, {450, 130}, {450, 370}, {50, 450}};
    for (int k = 1; k <= 4; ++k) {
        s.doc.MarkerPixX(k) = markers[k - 1][0];
        s.doc.MarkerPixY(k) = markers[k - 1][1];
    }
    s.doc.Xmin = 0;
    s.doc.Xmax = 10;
    s.doc.Ymin = 0;
    s.doc.Ymax = 100;
    const float points[3][2] = {{150, 250}, {300, 200}, {1250, 250}};
    s.doc.NLines = 1;
    s.doc.NPoints(1) = 3;
    for (int k = 1; k <= 3; ++k) {
        s.doc.PixX(1, k) = points[k - 1][0];
        s.doc.PixY(1, k) = points[k - 1][1];
    }
    s.doc.ImageWidth = picture.width();
    s.doc.ImageHeight = picture.height();
    s.doc.ImagePath = picturePath;
    s.ProjectPath = f.files.file("steep.vxr");
    EXPECT_FALSE(WriteAllProjectFilesVer001(s).has_value());
    return s.ProjectPath;
}

TEST(BatchExport, GivesTheNumbersOfTheWindowsExport) {
    WindowFixture f;
    const std::string project = writeSteepProject(f);

    f.prompts.chooseFile(QString::fromStdString(project));
    f.run(cmd::LoadProject);
    QCoreApplication::processEvents();
    ASSERT_NE(f.state().work.ImageLoaded, 0);
    const std::string fromWindow = f.files.file("window.dat");
    f.prompts.chooseFile(QString::fromStdString(fromWindow));
    f.run(cmd::ExportTable);
    EXPECT_TRUE(f.prompts.shown().empty());

    const std::string fromCommandLine = f.files.file("batch.dat");
    ASSERT_FALSE(exportTableFromProject(project, fromCommandLine).has_value());
    EXPECT_EQ(readBytes(fromCommandLine), readBytes(fromWindow));

    // The CSV of the points, and the family table on a grid, likewise.
    const std::string csvFromWindow = f.files.file("window.csv");
    f.prompts.chooseFile(QString::fromStdString(csvFromWindow));
    f.run(cmd::ExportCsv);
    const std::string csvFromCommandLine = f.files.file("batch.csv");
    ASSERT_FALSE(exportCsvFromProject(project, csvFromCommandLine).has_value());
    EXPECT_EQ(readBytes(csvFromCommandLine), readBytes(csvFromWindow));

    const std::string familyFromWindow = f.files.file("window-family.csv");
    f.prompts.chooseFile(QString::fromStdString(familyFromWindow));
    f.prompts.onDialog([](QDialog& d) {
        for (const auto& [name, text] : {std::pair{"From", "0"}, {"To", "10"}, {"Step", "0.5"}}) {
            auto* edit = d.findChild<QLineEdit*>(QString::fromLatin1(name));
            edit->selectAll();
            QTest::keyClicks(edit, QString::fromLatin1(text));
        }
        d.findChild<QPushButton*>(QStringLiteral("save"))->click();
        return int(QDialog::Rejected);
    });
    f.run(cmd::FamilyTable);
    const std::string familyFromCommandLine = f.files.file("batch-family.csv");
    ASSERT_FALSE(exportFamilyFromProject(project, familyFromCommandLine, "0:0.5:10").has_value());
    EXPECT_EQ(readBytes(familyFromCommandLine), readBytes(familyFromWindow));
    EXPECT_TRUE(f.prompts.shown().empty());
}

} // namespace
} // namespace vex
