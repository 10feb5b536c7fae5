#include "core/io/project_file.h"
#include "core/io/text_table.h"
#include "core/state/clear_param.h"
#include "core/ui/command_ids.h"
#include "core/ui/project_routines.h"
#include "gui/app/help_window.h"
#include "gui/app/status_panes.h"
#include "gui/panel/function_panel.h"
#include "gui/view/image_view.h"
#include "window_fixture.h"

#include "../core/temp_dir.h"

#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QTest>

#include <algorithm>

namespace vex {
namespace {

using testing::TempDir;
using testing::WindowFixture;
using testing::writeBytes;

std::string writeProject(const TempDir& dir, const std::string& name, int points,
                         const std::string& picturePath = {}) {
    AppState s;
    CLEARPARAM(s);
    s.doc.NPoints(1) = points;
    for (int k = 1; k <= points; ++k) {
        s.doc.PixX(1, k) = 100.0f + 10.0f * float(k);
        s.doc.PixY(1, k) = 200.0f;
    }
    s.doc.ImagePath = picturePath;
    s.ProjectPath = dir.file(name);
    EXPECT_FALSE(WriteAllProjectFilesVer001(s));
    return s.ProjectPath;
}

// A user's saved work: a project with its picture beside it, its records
// ending in a bare line feed as another editor may leave them, so that any
// rewrite by the program shows in the bytes.
std::string writeProjectWithPicture(const TempDir& dir, const std::string& name, int points) {
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const std::string picturePath = dir.file(name + ".bmp");
    EXPECT_TRUE(picture.save(QString::fromStdString(picturePath), "BMP"));
    const std::string project = writeProject(dir, name, points, picturePath);
    std::string text = testing::readBytes(project);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    writeBytes(project, text);
    return project;
}

void importTwoPointTable(WindowFixture& f, const TempDir& dir) {
    writeBytes(dir.file("t.dat"), "1\n2\n1\n0 0\n1 1\n");
    f.prompts.chooseFile(QString::fromStdString(dir.file("t.dat")));
    f.run(cmd::ImportTable);
    ASSERT_EQ(f.state().work.ProjectModified, 1);
}

TEST(MainWindowStart, EnglishByDefaultWithTheStartUpMenuStates) {
    for (int stored : {-1, 0, 2, 7}) {
        WindowFixture f(stored);
        EXPECT_EQ(f.shownTitle(), "VEXILOR - Version 1.0");
        EXPECT_EQ(f.menuTitles(), (QStringList{"File", "Edit", "Function", "Lines", "Points",
                                               "Export-Import", "Settings", "Help"}));
        EXPECT_EQ(f.shownText(cmd::ExportTable), "Export two-parameter dependence");
        EXPECT_FALSE(f.checked(cmd::LanguageRussian));
        EXPECT_TRUE(f.checked(cmd::LanguageEnglish));
        for (int id :
             {cmd::OpenBmpImage, cmd::LoadProject, cmd::Exit, cmd::About, cmd::HelpContent})
            EXPECT_TRUE(f.enabled(id)) << id;
        for (int id : {cmd::NewProject, cmd::SaveProject, cmd::SaveProjectAs, cmd::SetTheScale,
                       cmd::PointsCaptureMode, cmd::AddLine, cmd::DeleteLine, cmd::AddPoint,
                       cmd::DeletePoint, cmd::SortPoints, cmd::ExportTable, cmd::ImportTable})
            EXPECT_FALSE(f.enabled(id)) << id;
        EXPECT_FALSE(f.checked(cmd::SetTheScale));
    }
}

TEST(MainWindowStart, RussianFromTheStoredSetting) {
    WindowFixture f(1);
    EXPECT_EQ(f.shownTitle(), "VEXILOR - Version 1.0");
    EXPECT_EQ(f.menuTitles(), (QStringList{"Файл", "Правка", "Функции", "Линии", "Точки",
                                           "Ввод-вывод", "Настройки", "Помощь"}));
    EXPECT_EQ(f.shownText(cmd::LoadProject), "Загрузить проект");
    EXPECT_EQ(f.shownText(cmd::OpenBmpImage), "Open BMP image");
    EXPECT_TRUE(f.checked(cmd::LanguageRussian));
    EXPECT_FALSE(f.checked(cmd::LanguageEnglish));
    EXPECT_EQ(f.window->statusPanes().paneText(1), "Линий макс. = 20; Точек макс. = 200");
}

TEST(MainWindowStart, KeepsItsMinimumSize) {
    WindowFixture f;
    const QSize minimum = f.window->minimumSize();
    EXPECT_EQ(minimum.width(), 920);
    EXPECT_GE(minimum.height(), 37 + 590);
    f.window->resize(300, 200);
    EXPECT_EQ(f.window->size(), minimum);
    f.window->resize(300, 2000);
    EXPECT_EQ(f.window->width(), 920);
    f.window->resize(2000, 10);
    EXPECT_EQ(f.window->height(), minimum.height());
}

TEST(MainWindowStart, StatusPanesShareTheWidthHalfAFifthAndThreeTenths) {
    EXPECT_EQ(StatusPanes::paneEdges(1000), (std::array<int, 3>{500, 700, 1000}));
    EXPECT_EQ(StatusPanes::paneEdges(1279), (std::array<int, 3>{639, 894, 1277}));
}

TEST(CommandLineProject, LoadsOnceAfterTheDelay) {
    TempDir dir;
    WindowFixture f;
    f.window->openAtStart(writeProject(dir, "start.vxr", 3), {}, 150);
    EXPECT_EQ(f.state().doc.NPoints(1), 0); // not at once: the window shows first
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.state().doc.NPoints(1) == 3; }, 3000));
    EXPECT_EQ(f.state().ProjectPath, dir.file("start.vxr"));
    EXPECT_EQ(f.state().work.ProjectModified, 0);
    EXPECT_TRUE(f.state().CommandLineFile.empty());
    EXPECT_TRUE(f.enabled(cmd::SaveProject)); // menu mode 1 after the load
    EXPECT_EQ(f.prompts.fileKindsAsked().size(), 0u);
}

TEST(CommandLineProject, AManualLoadBeforeTheDelayUsesItUp) {
    TempDir dir;
    WindowFixture f;
    bool handled = false;
    QObject::connect(f.window.get(), &MainWindow::startProjectHandled, [&] { handled = true; });
    f.window->openAtStart(writeProject(dir, "start.vxr", 4), {}, 200);
    f.run(cmd::LoadProject); // the user is quicker
    EXPECT_EQ(f.state().doc.NPoints(1), 4);
    EXPECT_TRUE(f.prompts.fileKindsAsked().empty()); // the pending file was taken, no dialog
    ASSERT_TRUE(QTest::qWaitFor([&] { return handled; }, 3000));
    EXPECT_TRUE(f.prompts.fileKindsAsked().empty()); // and no second load or dialog later
    EXPECT_EQ(f.prompts.unexpected(), 0);
}

TEST(ProjectCommandsInWindow, DamagedProjectIsRefusedAndNothingChanges) {
    TempDir dir;
    WindowFixture f;
    writeBytes(dir.file("bad.vxr"), "50\n10\n");
    f.state().doc.LineParam(1) = 5.0f;
    f.window->historyStartsAfresh(); // the work as if just loaded: no question before the load
    f.prompts.chooseFile(QString::fromStdString(dir.file("bad.vxr")));
    f.run(cmd::LoadProject);
    ASSERT_EQ(f.prompts.shown().size(), 1u);
    EXPECT_TRUE(f.prompts.shown()[0].text.contains("ends too early"));
    EXPECT_EQ(f.state().doc.LineParam(1), 5.0f);
    EXPECT_EQ(f.state().ProjectPath, "");
}

TEST(ProjectCommandsInWindow, MissingPictureIsReportedAndNoOtherPictureStays) {
    TempDir dir;
    // The picture was beside the project, which has lost it.
    const std::string project = writeProject(dir, "p.vxr", 2, "gone.bmp");
    WindowFixture f;
    // Capturing on another chart when the project is loaded.
    QImage red(400, 300, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(f.loadPicture(red, "red.bmp"));
    f.run(cmd::PointsCaptureMode);
    ASSERT_EQ(f.state().work.CaptureMode, 1);
    f.prompts.answer(Answer::No); // do not save the red chart's work
    f.prompts.chooseFile(QString::fromStdString(project));
    f.run(cmd::LoadProject);
    ASSERT_EQ(f.prompts.shown().size(), 2u);
    EXPECT_EQ(f.prompts.shown()[1].text, ".bmp file not found");
    EXPECT_EQ(f.state().doc.NPoints(1), 2);

    // No picture: none painted, nothing to calibrate or capture on.
    EXPECT_EQ(f.state().work.ImageLoaded, 0);
    EXPECT_EQ(f.state().work.CaptureMode, 0);
    const QImage shot = f.window->view().viewport()->grab().toImage();
    EXPECT_NE(shot.pixelColor(shot.width() / 2, shot.height() / 2), QColor(Qt::red));
    EXPECT_NE(shot.pixelColor(100, 100), QColor(Qt::red));
    EXPECT_FALSE(f.enabled(cmd::SetTheScale));
    EXPECT_FALSE(f.enabled(cmd::PointsCaptureMode));
    EXPECT_FALSE(f.state().toolbar.buttons(ScaleSlot).enabled);
    EXPECT_FALSE(f.state().toolbar.buttons(CaptureSlot).enabled);
    EXPECT_FALSE(f.window->panel().control(ctl::SetTheScale)->isEnabled());
    EXPECT_FALSE(f.window->panel().control(ctl::CaptureMode)->isEnabled());

    // The project is still that file, and Save keeps the picture it names.
    EXPECT_EQ(f.state().ProjectPath, project);
    f.run(cmd::SaveProject);
    EXPECT_EQ(f.prompts.fileKindsAsked().back(), FileKind::ProjectOpen); // no Save As
    ProjectContent saved;
    ASSERT_FALSE(parseProjectFile(testing::readBytes(project), "p.vxr", saved));
    EXPECT_EQ(saved.ImagePath, "gone.bmp");
    EXPECT_EQ(saved.NPoints(1), 2);
    EXPECT_EQ(f.prompts.unexpected(), 0);
}

TEST(ProjectCommandsInWindow, SaveWithoutAFileYetAsksForOne) {
    TempDir dir;
    WindowFixture f;
    ASSERT_EQ(f.state().work.ProjectNamed, 1);
    f.prompts.chooseFile(QString::fromStdString(dir.file("new.vxr")));
    f.run(cmd::SaveProject);
    ASSERT_EQ(f.prompts.fileKindsAsked(), std::vector<FileKind>{FileKind::ProjectSave});
    EXPECT_TRUE(std::filesystem::exists(dir.file("new.vxr")));
    EXPECT_EQ(f.state().ProjectPath, dir.file("new.vxr"));
    // Now it writes straight there.
    f.state().work.ProjectModified = 1;
    f.run(cmd::SaveProject);
    EXPECT_EQ(f.prompts.fileKindsAsked().size(), 1u);
    EXPECT_EQ(f.state().work.ProjectModified, 0);
}

TEST(ProjectCommandsInWindow, NewAndLoadAskBeforeDroppingChanges) {
    TempDir dir;
    WindowFixture f;
    f.state().doc.NPoints(1) = 3;
    f.state().work.ProjectModified = 1;

    f.prompts.answer(Answer::Cancel); // keeps everything
    f.run(cmd::NewProject);
    EXPECT_EQ(f.state().doc.NPoints(1), 3);

    f.prompts.answer(Answer::Cancel);
    f.run(cmd::LoadProject);
    EXPECT_TRUE(f.prompts.fileKindsAsked().empty());

    f.prompts.answer(Answer::Yes); // saves first: no file yet, so Save As, cancelled
    f.prompts.cancelFileDialog();
    f.run(cmd::NewProject);
    EXPECT_EQ(f.state().doc.NPoints(1), 3);

    f.prompts.answer(Answer::No); // discards
    f.run(cmd::NewProject);
    EXPECT_EQ(f.state().doc.NPoints(1), 0);
    ASSERT_EQ(f.prompts.shown().size(), 4u);
    EXPECT_EQ(f.prompts.shown()[1].text, "Save project before loading another one?");
    // What was discarded is not asked about again when the window closes.
    EXPECT_EQ(f.state().work.ProjectModified, 0);
    EXPECT_TRUE(f.window->close());
    EXPECT_EQ(f.prompts.shown().size(), 4u);
    EXPECT_EQ(f.prompts.unexpected(), 0);
}

TEST(ProjectCommandsInWindow, NewProjectHasNoFileUntilOneIsChosen) {
    TempDir dir;
    const std::string a = writeProjectWithPicture(dir, "A.vxr", 3);
    const std::string before = testing::readBytes(a);
    {
        WindowFixture f;
        f.prompts.chooseFile(QString::fromStdString(a));
        f.run(cmd::LoadProject);
        ASSERT_EQ(f.state().ProjectPath, a);
        f.run(cmd::NewProject); // nothing changed: nothing asked
        EXPECT_TRUE(f.prompts.shown().empty());
        importTwoPointTable(f, dir);
        f.prompts.cancelFileDialog();
        f.run(cmd::SaveProject); // asks for a name; the old file is not the new project's
        EXPECT_EQ(f.prompts.fileKindsAsked().back(), FileKind::ProjectSave);
        EXPECT_EQ(testing::readBytes(a), before);
        f.prompts.answer(Answer::Yes);
        f.prompts.cancelFileDialog();
        f.run(cmd::Exit); // the same on the way out; backing out keeps the program open
        EXPECT_EQ(f.prompts.fileKindsAsked().back(), FileKind::ProjectSave);
        EXPECT_TRUE(f.window->isVisible());
        EXPECT_EQ(testing::readBytes(a), before);
        EXPECT_EQ(f.prompts.unexpected(), 0);
    }
    {
        WindowFixture f;
        f.prompts.chooseFile(QString::fromStdString(a));
        f.run(cmd::LoadProject);
        f.run(cmd::NewProject);
        f.prompts.answer(Answer::Yes);
        f.run(cmd::Exit); // an empty new project is not written over the old file
        EXPECT_FALSE(f.window->isVisible());
        EXPECT_EQ(testing::readBytes(a), before);
        EXPECT_EQ(f.prompts.fileKindsAsked().size(), 1u); // only the Load dialog
        EXPECT_EQ(f.prompts.unexpected(), 0);
    }
}

TEST(ClosingTheWindow, AsksOnlyWithUnsavedChanges) {
    WindowFixture f;
    EXPECT_TRUE(f.window->close()); // nothing changed: no question
    EXPECT_TRUE(f.prompts.shown().empty());
}

TEST(ClosingTheWindow, EveryAnswerPath) {
    TempDir dir;
    {
        WindowFixture f;
        f.state().work.ProjectModified = 1;
        f.prompts.answer(Answer::Cancel);
        EXPECT_FALSE(f.window->close());
        EXPECT_EQ(f.prompts.shown().back().text, "Save project before exit?");
        f.prompts.answer(Answer::Yes); // save, but the name dialog is cancelled: stay
        f.prompts.cancelFileDialog();
        EXPECT_FALSE(f.window->close());
        f.prompts.answer(Answer::No);
        EXPECT_TRUE(f.window->close());
    }
    {
        WindowFixture f;
        f.state().work.ProjectModified = 1;
        f.prompts.answer(Answer::Yes);
        f.prompts.chooseFile(QString::fromStdString(dir.file("kept.vxr")));
        EXPECT_TRUE(f.window->close());
        EXPECT_TRUE(std::filesystem::exists(dir.file("kept.vxr")));
        EXPECT_EQ(f.prompts.unexpected(), 0);
    }
}

TEST(ExitCommand, AsksThenSavesThenCloses) {
    TempDir dir;
    WindowFixture f;
    f.prompts.answer(Answer::No);
    f.run(cmd::Exit);
    EXPECT_TRUE(f.window->isVisible());
    EXPECT_EQ(f.prompts.shown().back().text, "Are you sure you want to close the program?");

    // Nothing chosen, nothing changed: nothing to save, the program ends.
    f.prompts.answer(Answer::Yes);
    f.run(cmd::Exit);
    EXPECT_FALSE(f.window->isVisible());

    // A named project is saved without a further question, and only when changed.
    const std::string exitFile = writeProjectWithPicture(dir, "exit.vxr", 3);
    const std::string asLoaded = testing::readBytes(exitFile);
    for (bool changed : {false, true}) {
        WindowFixture g;
        g.prompts.chooseFile(QString::fromStdString(exitFile));
        g.run(cmd::LoadProject);
        if (changed) g.run(cmd::AddLine);
        EXPECT_EQ(g.state().work.ProjectModified, changed ? 1 : 0);
        g.prompts.answer(Answer::Yes);
        g.run(cmd::Exit);
        EXPECT_FALSE(g.window->isVisible());
        EXPECT_EQ(g.prompts.fileKindsAsked().size(), 1u); // only the Load dialog
        EXPECT_EQ(testing::readBytes(exitFile) == asLoaded, !changed) << changed;
    }
    ProjectContent afterExit;
    ASSERT_FALSE(parseProjectFile(testing::readBytes(exitFile), "exit.vxr", afterExit));
    EXPECT_EQ(afterExit.NLines, 2);

    WindowFixture h;
    h.state().work.ProjectModified = 1;
    h.prompts.answer(Answer::Yes);
    h.prompts.cancelFileDialog(); // the user backs out of naming the file
    h.run(cmd::Exit);
    EXPECT_TRUE(h.window->isVisible());
}

TEST(TableCommandsInWindow, ImportShowsCountsAndExportNeedsPoints) {
    TempDir dir;
    WindowFixture f;
    f.run(cmd::ExportTable); // empty current line
    ASSERT_EQ(f.prompts.shown().size(), 1u);
    EXPECT_EQ(f.prompts.shown()[0].text,
              "The number of points that are imported based on less than 2.");

    writeBytes(dir.file("t.dat"), "3\n2\n1\n0 0\n1 1\n7\n2\n0 0\n1 1\n2 2\n3 3\n4 4\n5 5\n6 6\n"
                                  "2\n3\n0 0\n1 1\n");
    f.prompts.chooseFile(QString::fromStdString(dir.file("t.dat")));
    f.state().work.CurLine = 2;
    f.run(cmd::ImportTable);
    EXPECT_EQ(f.window->statusPanes().paneText(2), "Current lines use = 3; Current points use = 7");
    EXPECT_EQ(f.state().work.ProjectModified, 1);
    EXPECT_TRUE(f.enabled(cmd::ImportTable));
    EXPECT_TRUE(f.enabled(cmd::SaveProject)); // points on line 1 count as work to save

    writeBytes(dir.file("many.dat"), "21\n");
    f.prompts.chooseFile(QString::fromStdString(dir.file("many.dat")));
    f.run(cmd::ImportTable);
    EXPECT_EQ(f.prompts.shown().back().text,
              "The number of lines exported based on more than the service limit(20).");
    EXPECT_EQ(f.state().doc.NLines, 3);
}

TEST(TableCommandsInWindow, RussianStatusAfterImport) {
    TempDir dir;
    WindowFixture f(1);
    writeBytes(dir.file("t.dat"), "1\n7\n2\n0 0\n1 1\n2 2\n3 3\n4 4\n5 5\n6 6\n");
    f.prompts.chooseFile(QString::fromStdString(dir.file("t.dat")));
    f.run(cmd::ImportTable);
    EXPECT_EQ(f.window->statusPanes().paneText(2),
              "Тек. кол-во линий=1; Тек. кол-во точек на линии=7");
}

TEST(LanguageCommands, StoreTheChoiceAndAskForARestart) {
    WindowFixture f;
    f.run(cmd::LanguageRussian);
    EXPECT_EQ(readInterfaceLanguage(f.settings), 1);
    EXPECT_TRUE(f.checked(cmd::LanguageRussian));
    EXPECT_FALSE(f.checked(cmd::LanguageEnglish));
    // Catalogue texts follow at once; the menus keep the language they were built in.
    ASSERT_EQ(f.prompts.shown().size(), 1u);
    EXPECT_EQ(f.prompts.shown()[0].text,
              "Перезапустите программу, чтобы изменения вступили в силу.");
    EXPECT_EQ(f.menuTitles().front(), "File");

    f.run(cmd::LanguageRussian); // the same again: rewritten, asked again
    EXPECT_EQ(f.prompts.shown().size(), 2u);

    // A choice that cannot be stored changes nothing, and says so in the
    // language that stays.
    f.settings.setWritable(false);
    f.run(cmd::LanguageEnglish);
    EXPECT_EQ(f.prompts.shown().back().kind, MessageKind::Warning);
    EXPECT_TRUE(f.prompts.shown().back().text.startsWith("Не удалось сохранить настройку языка"));
    EXPECT_EQ(f.state().InterfaceLanguage, 1);
    EXPECT_TRUE(f.checked(cmd::LanguageRussian));
    EXPECT_FALSE(f.checked(cmd::LanguageEnglish));
}

TEST(HelpAndAbout, AboutRunsItsDialogAndHelpOpensTheLanguagePage) {
    WindowFixture f(1);
    QString title;
    QSize picture;
    f.prompts.onDialog([&](QDialog& d) {
        title = d.windowTitle();
        for (QLabel* label : d.findChildren<QLabel*>())
            if (!label->pixmap().isNull()) picture = label->pixmap().size();
        return int(QDialog::Accepted);
    });
    f.run(cmd::About);
    EXPECT_EQ(title, "About Vexilor 1.0");
    EXPECT_EQ(picture, QSize(436, 175));
    f.run(cmd::HelpContent);
    auto* help = f.window->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->pageSource().endsWith("help_ru.html"));
}

} // namespace
} // namespace vex
