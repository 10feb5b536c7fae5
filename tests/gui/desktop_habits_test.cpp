// The habits a desktop user brings: standard keys, mnemonics, and a title
// that names the open file and shows unsaved changes.
#include "core/ui/command_ids.h"
#include "core/ui/file_kinds.h"
#include "gui/app/recent_menus.h"
#include "gui/app/status_panes.h"
#include "gui/app/window_memory.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMimeData>
#include <QSet>
#include <QTest>
#include <QUrl>

#include <filesystem>

#include <sys/stat.h>

namespace vex {
namespace {

using testing::WindowFixture;

// The letter after '&' in a menu text, or a null character when there is none.
QChar mnemonicOf(const QString& text) {
    const qsizetype at = text.indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toLower() : QChar();
}

// Every entry of a menu (or the menu bar) has its own mnemonic, and a
// screen reader hears the text without the mark.
void expectMnemonicsUnique(QWidget& menu, const QList<QAction*>& actions) {
    QSet<QChar> letters;
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&menu);
    ASSERT_NE(reader, nullptr);
    for (int i = 0; i < actions.size(); ++i) {
        const QAction* a = actions[i];
        if (a->isSeparator()) continue;
        const QChar letter = mnemonicOf(a->text());
        if (a->text().startsWith(QStringLiteral("Undo")) ||
            a->text().startsWith(QStringLiteral("Redo")) ||
            a->text().startsWith(QStringLiteral("Отменить")) ||
            a->text().startsWith(QStringLiteral("Повторить")))
            continue; // their texts follow the history; Ctrl+Z and Ctrl+Y reach them
        EXPECT_FALSE(letter.isNull()) << a->text().toStdString();
        EXPECT_FALSE(letters.contains(letter)) << a->text().toStdString();
        letters.insert(letter);
        EXPECT_EQ(reader->child(i)->text(QAccessible::Name), WindowFixture::shown(a));
    }
}

TEST(DesktopKeys, EveryMenuHasItsOwnMnemonicsInBothLanguages) {
    for (int language : {0, 1}) {
        WindowFixture f(language);
        QMenuBar& bar = *f.window->menuBar();
        expectMnemonicsUnique(bar, bar.actions());
        for (QAction* title : bar.actions()) {
            QMenu* menu = title->menu();
            expectMnemonicsUnique(*menu, menu->actions());
            for (QAction* a : menu->actions())
                if (a->menu()) expectMnemonicsUnique(*a->menu(), a->menu()->actions());
        }
    }
}

TEST(DesktopKeys, StandardKeysRunTheirCommandsAndShowInTheMenus) {
    WindowFixture f;
    QApplication::setActiveWindow(f.window.get());
    EXPECT_EQ(f.window->action(cmd::SaveProject)->shortcut(), QKeySequence(QKeySequence::Save));
    EXPECT_EQ(f.window->action(cmd::SaveProjectAs)->shortcut().toString(),
              QStringLiteral("Ctrl+Shift+S"));
    EXPECT_EQ(f.window->action(cmd::Exit)->shortcut().toString(), QStringLiteral("Ctrl+Q"));
    EXPECT_EQ(f.window->action(cmd::HelpContent)->shortcut().toString(), QStringLiteral("F1"));
    EXPECT_EQ(f.window->action(cmd::NewProject)->shortcut().toString(), QStringLiteral("Ctrl+N"));

    f.prompts.cancelFileDialog();
    QTest::keyClick(f.window.get(), Qt::Key_O, Qt::ControlModifier);
    f.prompts.cancelFileDialog();
    QTest::keyClick(f.window.get(), Qt::Key_I, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.prompts.fileKindsAsked(),
              (std::vector<FileKind>{FileKind::ProjectOpen, FileKind::ImageOpen}));
    // A disabled command's key does nothing: New needs a picture first.
    QTest::keyClick(f.window.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(f.prompts.fileKindsAsked().size(), 2u);
    EXPECT_TRUE(f.prompts.scriptUsedUp());
    EXPECT_EQ(f.prompts.unexpected(), 0);
}

TEST(WindowTitle, NamesTheProjectFileAndMarksUnsavedChanges) {
    WindowFixture f;
    ASSERT_TRUE(f.loadBlankPicture(400, 300));
    EXPECT_EQ(f.shownTitle(), "VEXILOR - Version 1.0*"); // a picture is a change
    f.prompts.chooseFile(QString::fromStdString(f.files.file("pump.vxr")));
    f.run(cmd::SaveProjectAs);
    EXPECT_EQ(f.shownTitle(), "pump.vxr \u2014 VEXILOR - Version 1.0");

    testing::writeBytes(f.files.file("t.dat"), "1\n2\n1\n0 0\n1 1\n");
    f.prompts.chooseFile(QString::fromStdString(f.files.file("t.dat")));
    f.run(cmd::ImportTable);
    EXPECT_EQ(f.shownTitle(), "pump.vxr* \u2014 VEXILOR - Version 1.0");
    QApplication::setActiveWindow(f.window.get());
    QTest::keyClick(f.window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f.shownTitle(), "pump.vxr \u2014 VEXILOR - Version 1.0");

    f.run(cmd::NewProject);
    EXPECT_EQ(f.shownTitle(), "VEXILOR - Version 1.0");
}

TEST(CommandLineFile, APictureOpensAsOneByItsContentAndAnythingElseAsAProject) {
    WindowFixture f;
    QImage chart(320, 240, QImage::Format_RGB32);
    chart.fill(Qt::white);
    const std::string picture = f.files.file("scan.dat"); // a PNG, whatever its name says
    ASSERT_TRUE(chart.save(QString::fromStdString(picture), "PNG"));
    auto start = [&](const std::string& path) {
        bool done = false;
        QObject::connect(f.window.get(), &MainWindow::startProjectHandled, [&] { done = true; });
        f.window->openAtStart(path, {}, 0);
        return QTest::qWaitFor([&] { return done; }, 3000);
    };
    ASSERT_TRUE(start(picture));
    EXPECT_NE(f.state().work.ImageLoaded, 0);
    EXPECT_EQ(f.state().doc.ImagePath, picture);
    EXPECT_EQ(f.state().doc.ImageWidth, 320);
    EXPECT_TRUE(f.prompts.shown().empty());

    // Neither a picture nor a project, nor a regular file: a message each, the picture stays.
    const std::string text = f.files.file("notes.txt");
    testing::writeBytes(text, "not a chart\n");
    const std::string pipe = f.files.file("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& path : {text, pipe}) {
        f.prompts.clearShown();
        f.prompts.answer(Answer::No); // the opened picture is unsaved work: not saved
        ASSERT_TRUE(start(path)) << path;
        ASSERT_EQ(f.prompts.shown().size(), 2u) << path;
        EXPECT_TRUE(f.prompts.shown()[1].text.contains(QString::fromStdString(path)))
            << f.prompts.shown()[1].text.toStdString();
        EXPECT_EQ(f.state().doc.ImagePath, picture);
    }
}

// Drops `path` on the window as a file manager does; whether it was taken.
bool dropFile(WindowFixture& f, const std::string& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    const QPoint at(400, 300);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.window.get(), &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.window.get(), &drop);
    QCoreApplication::processEvents(); // the file opens once the drop is over
    return drop.isAccepted();
}

TEST(DropOnTheWindow, APictureOpensAndAProjectLoadsAfterTheUsualQuestion) {
    WindowFixture f;
    QImage chart(320, 240, QImage::Format_RGB32);
    chart.fill(Qt::white);
    const std::string picture = f.files.file("chart.png");
    ASSERT_TRUE(chart.save(QString::fromStdString(picture), "PNG"));
    ASSERT_TRUE(dropFile(f, picture));
    EXPECT_EQ(f.state().doc.ImagePath, picture);
    EXPECT_EQ(f.state().doc.ImageWidth, 320);

    f.prompts.chooseFile(QString::fromStdString(f.files.file("saved.vxr")));
    f.run(cmd::SaveProjectAs);
    testing::writeBytes(f.files.file("t.dat"), "1\n2\n1\n0 0\n1 1\n");
    f.prompts.chooseFile(QString::fromStdString(f.files.file("t.dat")));
    f.run(cmd::ImportTable); // unsaved work
    const std::string project = f.files.file("other.vxr");
    std::filesystem::copy_file(f.files.file("saved.vxr"), project);

    f.prompts.clearShown();
    f.prompts.answer(Answer::Cancel); // keeps the work
    ASSERT_TRUE(dropFile(f, project));
    EXPECT_EQ(f.state().doc.NPoints(1), 2);
    EXPECT_EQ(f.state().ProjectPath, f.files.file("saved.vxr"));
    EXPECT_TRUE(f.state().CommandLineFile.empty()); // the next Load Project asks for its file
    f.prompts.answer(Answer::No);
    ASSERT_TRUE(dropFile(f, project));
    EXPECT_EQ(f.state().doc.NPoints(1), 0); // the saved project had no points yet
    EXPECT_EQ(f.state().ProjectPath, project);
    ASSERT_EQ(f.prompts.shown().size(), 2u);
    EXPECT_EQ(f.prompts.shown()[0].text, "Save project before loading another one?");
    EXPECT_EQ(f.prompts.fileKindsAsked().size(), 2u); // Save As and Import only
    EXPECT_TRUE(f.prompts.scriptUsedUp());

    // Two files at once, or something that is not a file, are not taken.
    QMimeData two;
    two.setUrls({QUrl::fromLocalFile(QString::fromStdString(picture)),
                 QUrl::fromLocalFile(QString::fromStdString(project))});
    QDragEnterEvent enter(QPoint(400, 300), Qt::CopyAction, &two, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.window.get(), &enter);
    EXPECT_FALSE(enter.isAccepted());
}

TEST(WindowMemory, TheWindowOpensWhereAndAsLargeAsItClosed) {
    WindowFixture f;
    f.settings.createKey("SOFTWARE\\Vexilor\\Window");
    MainWindow fresh(Platform{f.prompts, f.settings, f.clipboard});
    EXPECT_FALSE(restoreWindowGeometry(fresh, f.settings)); // nothing kept yet

    f.window->setGeometry(140, 90, 1100, 720);
    QCoreApplication::processEvents();
    const QRect closedAt = f.window->geometry();
    ASSERT_TRUE(f.window->close());
    MainWindow next(Platform{f.prompts, f.settings, f.clipboard});
    ASSERT_TRUE(restoreWindowGeometry(next, f.settings));
    next.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(next.geometry(), closedAt);

    // A damaged value is no place to put the window.
    f.settings.setValue("SOFTWARE\\Vexilor\\Window", "Geometry", "not a geometry");
    EXPECT_FALSE(restoreWindowGeometry(fresh, f.settings));
}

// The entries of a recent-files menu as the user reads them: "&&" shows as "&".
QStringList entriesOf(const QMenu& menu) {
    QStringList texts;
    for (const QAction* a : menu.actions())
        if (!a->isSeparator())
            texts << QString(a->text()).replace("&&", "\x01").remove('&').replace('\x01', '&');
    return texts;
}

TEST(RecentFiles, OpenedAndSavedFilesComeBackInTheNextRunAndMissingOnesGoWithAMessage) {
    WindowFixture f;
    f.settings.createKey(recentFilesKey(RecentList::Projects));
    f.settings.createKey(recentFilesKey(RecentList::Pictures));
    QMenu& projects = *f.window->recentMenus().menu(RecentList::Projects);
    QMenu& pictures = *f.window->recentMenus().menu(RecentList::Pictures);
    EXPECT_FALSE(projects.menuAction()->isEnabled()); // nothing to offer yet
    ASSERT_TRUE(f.loadBlankPicture(400, 300));
    const QString folder = QString::fromStdString(f.files.path().string());
    EXPECT_EQ(entriesOf(pictures), QStringList({"1 chart.bmp [" + folder + "]", "Clear list"}));
    const std::string pump = f.files.file("pump.vxr");
    f.prompts.chooseFile(QString::fromStdString(pump));
    f.run(cmd::SaveProjectAs);
    f.prompts.chooseFile(QString::fromStdString(f.files.file("fan & co.vxr")));
    f.run(cmd::SaveProjectAs);
    EXPECT_EQ(entriesOf(projects).mid(0, 2),
              QStringList({"1 fan & co.vxr [" + folder + "]", "2 pump.vxr [" + folder + "]"}));

    // The next run offers them; an entry loads its project.
    MainWindow next(Platform{f.prompts, f.settings, f.clipboard});
    QMenu& nextProjects = *next.recentMenus().menu(RecentList::Projects);
    ASSERT_EQ(entriesOf(nextProjects).size(), 3);
    nextProjects.actions()[1]->trigger();
    EXPECT_EQ(next.state().ProjectPath, pump);
    EXPECT_EQ(next.state().doc.ImageWidth, 400);
    QCoreApplication::processEvents();
    EXPECT_EQ(entriesOf(nextProjects)[0], "1 pump.vxr [" + folder + "]"); // the newest now

    // A file that has gone is taken off with a message, and stays off.
    std::filesystem::remove(f.files.file("fan & co.vxr"));
    f.prompts.clearShown();
    nextProjects.actions()[1]->trigger();
    QCoreApplication::processEvents();
    ASSERT_EQ(f.prompts.shown().size(), 1u);
    EXPECT_TRUE(f.prompts.shown()[0].text.contains("fan & co.vxr"));
    EXPECT_EQ(next.state().ProjectPath, pump);
    EXPECT_EQ(entriesOf(nextProjects), QStringList({"1 pump.vxr [" + folder + "]", "Clear list"}));
    EXPECT_EQ(readRecentFiles(f.settings, RecentList::Projects), std::vector<std::string>{pump});

    // In scale mode no picture may be opened, not from the list either.
    QMenu& nextPictures = *next.recentMenus().menu(RecentList::Pictures);
    EXPECT_TRUE(nextPictures.menuAction()->isEnabled());
    next.command(cmd::SetTheScale);
    EXPECT_FALSE(next.action(cmd::OpenBmpImage)->isEnabled());
    EXPECT_FALSE(nextPictures.menuAction()->isEnabled());
}

TEST(ScreenReaders, StatusPanesKeepTheirNamesAndTellTheirTexts) {
    WindowFixture f(1);
    ASSERT_TRUE(f.loadBlankPicture(400, 300)); // the texts change
    const QList<QLabel*> panes = f.window->statusPanes().findChildren<QLabel*>();
    ASSERT_EQ(panes.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(panes[i]);
        EXPECT_EQ(reader->text(QAccessible::Name), QStringLiteral("Status pane %1").arg(i + 1));
        EXPECT_EQ(reader->text(QAccessible::Description), f.window->statusPanes().paneText(i));
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(panes[1])->text(QAccessible::Description),
              "Линий макс. = 20; Точек макс. = 200");
}

} // namespace
} // namespace vex
