#include "core/settings/settings_store.h"
#include "gui/platform/dialog_folders.h"
#include "gui/platform/qt_prompts.h"
#include "gui/platform/qt_settings_store.h"
#include "modal_helper.h"

#include "../core/temp_dir.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <filesystem>

namespace vex {
namespace {

using testing::ModalAnswer;
using testing::TempDir;

TEST(QtPrompts, MessageBoxesCarryTheCaptionAndTheirIcon) {
    std::int32_t language = 2;
    QtPrompts prompts([&] { return language; });
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qsizetype buttons = 0;
    ModalAnswer answer([&](QWidget& w) {
        auto& box = dynamic_cast<QMessageBox&>(w);
        title = box.windowTitle();
        icon = box.icon();
        buttons = box.buttons().size();
        box.button(QMessageBox::No)->click();
    });
    EXPECT_EQ(prompts.message(MessageKind::Question, "Sure?"), Answer::No);
    EXPECT_TRUE(answer.seen());
    EXPECT_EQ(title, "VEXILOR - Version 1.0");
    EXPECT_EQ(icon, QMessageBox::Information);
    EXPECT_EQ(buttons, 2);

    ModalAnswer warning([&](QWidget& w) {
        auto& box = dynamic_cast<QMessageBox&>(w);
        icon = box.icon();
        box.button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(prompts.message(MessageKind::Error, "Broken"), Answer::Ok);
    EXPECT_EQ(icon, QMessageBox::Critical);

    ModalAnswer closed([&](QWidget& w) { dynamic_cast<QMessageBox&>(w).reject(); });
    EXPECT_EQ(prompts.message(MessageKind::QuestionWithCancel, "Save?"), Answer::Cancel);
}

// The file types as the dialog's list shows them.
QStringList shownFilters(QFileDialog& dialog) {
    QStringList shown;
    if (auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
        for (int i = 0; i < types->count(); ++i) shown << types->itemText(i);
    return shown;
}

TEST(QtPrompts, ProjectDialogsOfferProjectFilesAndTheirSuffix) {
    QtPrompts prompts([] { return 1; });
    QStringList filters;
    QString suffix, title;
    bool confirms = false;
    ModalAnswer look([&](QWidget& w) {
        auto& dialog = dynamic_cast<QFileDialog&>(w);
        filters = shownFilters(dialog);
        suffix = dialog.defaultSuffix();
        title = dialog.windowTitle();
        confirms = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
        dialog.reject();
    });
    EXPECT_FALSE(prompts.saveFile(FileKind::ProjectSave));
    // The descriptions name their patterns already: each shows once.
    EXPECT_EQ(filters.join(" | ").toStdString(),
              "Файл проекта специального формата *.vxr | Все файлы *.*");
    EXPECT_EQ(suffix, "vxr");
    EXPECT_EQ(title, "Сохранить как");
    EXPECT_TRUE(confirms);

    ModalAnswer open([&](QWidget& w) {
        auto& dialog = dynamic_cast<QFileDialog&>(w);
        suffix = dialog.defaultSuffix();
        filters = dialog.nameFilters();
        dialog.reject();
    });
    EXPECT_FALSE(prompts.openFile(FileKind::ProjectOpen));
    EXPECT_EQ(suffix, "vxr"); // not "bin"
}

TEST(QtPrompts, EachKindOfDialogOpensWhereItWasLastLeftInTheNextRunToo) {
    TempDir dir;
    const QString folder = QString::fromStdString(dir.path().string());
    MemorySettingsStore store;
    store.createKey("SOFTWARE\\Vexilor\\Folders");
    rememberFolder(store, FileKind::ProjectOpen, folder); // as a choice there leaves it
    rememberFolder(store, FileKind::ImageOpen, folder + "/gone since");
    rememberFolder(store, FileKind::TableOpen, QString(600, QLatin1Char('x'))); // too long to keep
    EXPECT_FALSE(rememberedFolder(store, FileKind::TableOpen));

    QtPrompts next([] { return 0; });
    next.rememberFoldersIn(store);
    auto opensIn = [&](FileKind kind) {
        QString shown;
        ModalAnswer look([&](QWidget& w) {
            auto& dialog = dynamic_cast<QFileDialog&>(w);
            shown = dialog.directory().absolutePath();
            dialog.reject();
        });
        EXPECT_FALSE(next.openFile(kind));
        return shown;
    };
    EXPECT_EQ(opensIn(FileKind::ProjectOpen), folder);
    EXPECT_EQ(opensIn(FileKind::ImageOpen), QDir::currentPath()); // a folder that is gone
    EXPECT_EQ(opensIn(FileKind::TableOpen), QDir::currentPath()); // a kind of its own
}

TEST(QtSettings, TheLanguageSurvivesInItsIniFile) {
    TempDir dir;
    const QString ini = QString::fromStdString(dir.file("settings.ini"));
    {
        QtSettingsStore store(ini);
        EXPECT_EQ(readInterfaceLanguage(store), 0);
        ASSERT_TRUE(writeInterfaceLanguage(store, 1));
    }
    QtSettingsStore again(ini);
    EXPECT_EQ(readInterfaceLanguage(again), 1);
    std::string data;
    EXPECT_FALSE(GETREGKEYDATA(again, LanguageKey, "language", data, 100)); // case counts
}

TEST(QtSettings, AnUnwritableFileIsReported) {
    QtSettingsStore store("/proc/vexilor-cannot-write/settings.ini");
    EXPECT_FALSE(writeInterfaceLanguage(store, 2));
}

// The settings are read whole when they are opened: a pipe there would stop
// the start for good, a device would never end, a huge file fill the memory;
// and a write would put a regular file in their place.
TEST(QtSettings, OnlyARegularFileOfModestSizeIsReadOrWritten) {
    TempDir dir;
    const std::string device = dir.file("device.ini"), pipe = dir.file("pipe.ini");
    const std::string huge = dir.file("huge.ini"), folder = dir.file("folder.ini");
    testing::writeBytes(huge, "[SOFTWARE/Classes/VXR_File/AppData]\nLanguage=1\n" +
                                  std::string(4 << 20, ';'));
    std::filesystem::create_directory(folder);
    std::vector<std::string> files{huge, folder};
    if (::mknod(device.c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0) files.push_back(device);
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    files.push_back(pipe);
    for (const std::string& file : files) {
        const auto kind = std::filesystem::status(file).type();
        const auto size =
            std::filesystem::is_regular_file(file) ? std::filesystem::file_size(file) : 0;
        QtSettingsStore store(QString::fromStdString(file));
        EXPECT_EQ(readInterfaceLanguage(store), 0) << file;
        EXPECT_FALSE(writeInterfaceLanguage(store, 2)) << file;
        EXPECT_EQ(std::filesystem::status(file).type(), kind) << file;
        if (size > 0) {
            EXPECT_EQ(std::filesystem::file_size(file), size) << file;
        }
    }
}

} // namespace
} // namespace vex
