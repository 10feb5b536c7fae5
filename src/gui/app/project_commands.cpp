#include "gui/app/project_commands.h"

#include "core/coords/chart_values.h"
#include "core/io/file_access.h"
#include "core/io/number_text.h"
#include "core/io/picture_beside.h"
#include "core/io/project_file.h"
#include "core/io/text_table.h"
#include "core/messages/catalogue.h"
#include "core/state/clear_param.h"
#include "core/state/picture_change.h"
#include "core/ui/project_routines.h"
#include "core/ui/table_commands.h"
#include "gui/platform/wait_cursor.h"

namespace vex {
namespace {

UserMessage plain(int number, MessageKind kind) {
    UserMessage m;
    m.number = number;
    m.kind = kind;
    return m;
}

} // namespace

ProjectCommands::ProjectCommands(AppState& s, Prompts& prompts, ShellServices& shell,
                                 std::function<bool()> reopenPicture,
                                 std::function<bool(const std::string&)> keepPicture)
    : s_(s), prompts_(prompts), shell_(shell), reopenPicture_(std::move(reopenPicture)),
      keepPicture_(std::move(keepPicture)) {}

Answer ProjectCommands::tell(const UserMessage& m) {
    return prompts_.show(m, s_.InterfaceLanguage);
}

bool ProjectCommands::proceedDespiteChanges(int question) {
    if (s_.work.ProjectModified != 1) return true;
    switch (tell(plain(question, MessageKind::QuestionWithCancel))) {
    case Answer::Yes:
        return saveProject();
    case Answer::No:
        return true;
    default:
        return false;
    }
}

void ProjectCommands::newProject() {
    if (!proceedDespiteChanges(msg::SaveBeforeNew)) return;
    CLEARPARAM(s_);
    forgetPicture(s_.doc);
    // The new project has no file yet: Save asks for one instead of writing
    // over the file of the project before it. What was kept has been saved,
    // what was dropped the user chose to drop.
    s_.ProjectPath.clear();
    s_.work.ProjectNamed = 0;
    shell_.dropPicture(); // and the zoomed scroll bars with it
    shell_.historyStartsAfresh();
    shell_.resetPanel(0);
    shell_.refreshAfter({.menus = 1, .toolbarIcons = 0, .toolbar = true, .view = true});
}

void ProjectCommands::loadProject() {
    if (!proceedDespiteChanges(msg::SaveBeforeLoad)) return;
    std::string path;
    if (!s_.CommandLineFile.empty()) {
        path = s_.CommandLineFile; // used once
        s_.CommandLineFile.clear();
    } else {
        const std::optional<QString> chosen = prompts_.openFile(FileKind::ProjectOpen);
        if (!chosen) return;
        path = chosen->toStdString();
    }

    // Read into a copy so that a damaged file leaves the current work alone.
    AppState loaded = s_;
    loaded.ProjectPath = path;
    {
        WaitCursor wait;
        if (const std::optional<UserMessage> failure = ReadAllProjectFilesVer001(loaded)) {
            tell(*failure);
            return;
        }
    }
    const StoredPicture stored = lookForProjectPicture(loaded);
    s_ = std::move(loaded);
    const bool pictureOpened = reopenPicture_();
    // Without its own picture, the chart shown before belongs to other work:
    // under these points it would be calibrated, captured on and saved as
    // this project's picture.
    if (!pictureOpened) shell_.dropPicture();
    settleProjectPicture(s_, stored, pictureOpened);
    s_.view.FitZoom = s_.view.Zoom * 1.0f;
    s_.view.MaxZoom = s_.view.Zoom * 50.0f;
    // The file holds image positions only; the chart values follow from them.
    recomputeAllChartValues(s_.doc, s_.work.PerspectiveDistance);

    s_.work.ProjectNamed = 1;
    shell_.historyStartsAfresh();
    shell_.refreshAfter(AfterNewDocument);
    // Told over the window as it now is, not over the picture of the work before.
    if (!pictureOpened) tell(plain(msg::BitmapNotFound, MessageKind::Warning));
}

// A pasted picture goes into a file of its own beside the project, which
// then names it, so that the project opens anywhere with its picture.
bool ProjectCommands::keepPastedPicture() {
    if (!s_.PictureOnlyInMemory || s_.work.ImageLoaded == 0) return true;
    const std::string path = pictureFileBeside(s_.ProjectPath);
    if (!keepPicture_(path)) {
        tell(fileMessage(msg::PictureNotKept, path));
        return false;
    }
    s_.doc.ImagePath = path;
    s_.PictureOnlyInMemory = false;
    shell_.pictureChanged(); // the project now names the picture's file: not a step
    return true;
}

bool ProjectCommands::writeProject() {
    if (!keepPastedPicture()) return false;
    std::optional<UserMessage> failure;
    {
        WaitCursor wait;
        failure = WriteAllProjectFilesVer001(s_);
    }
    if (failure) {
        tell(*failure);
        return false;
    }
    shell_.projectSaved();
    return true;
}

bool ProjectCommands::saveProject() {
    // Without a file chosen yet there is nowhere to write: ask, as Save As does.
    if (s_.work.ProjectNamed == 0 || s_.ProjectPath.empty()) return saveProjectAs();
    return writeProject();
}

bool ProjectCommands::saveProjectAs() {
    const std::optional<QString> chosen = prompts_.saveFile(FileKind::ProjectSave);
    if (!chosen) return false;
    const std::string previous = s_.ProjectPath;
    const std::int32_t wasNamed = s_.work.ProjectNamed;
    // Named before the write, so that the saved project shows its new name.
    s_.ProjectPath = chosen->toStdString();
    s_.work.ProjectNamed = 1;
    if (!writeProject()) {
        s_.ProjectPath = previous;
        s_.work.ProjectNamed = wasNamed;
        return false;
    }
    return true;
}

bool ProjectCommands::saveBeforeLeaving() {
    // Without changes the file already holds the work; rewriting it would
    // only store the positions as this view rescaled them.
    if (s_.work.ProjectModified != 1) return true;
    return saveProject();
}

void ProjectCommands::exportTable() {
    if (s_.doc.NPoints(s_.work.CurLine) <= 0) {
        tell(plain(msg::ImportTooFewPoints, MessageKind::Warning));
        return;
    }
    const std::optional<QString> chosen = prompts_.saveFile(FileKind::TableSave);
    if (!chosen) return;
    std::optional<UserMessage> failure;
    {
        WaitCursor wait;
        failure = Save2DepInTxt(s_.doc, chosen->toStdString());
    }
    if (failure) tell(*failure);
}

void ProjectCommands::importTable() {
    const std::optional<QString> chosen = prompts_.openFile(FileKind::TableOpen);
    if (!chosen) return;
    TableReadResult result;
    {
        WaitCursor wait;
        result = importTableCommand(s_, chosen->toStdString());
    }
    if (result.failure) {
        tell(*result.failure);
        return;
    }
    if (const std::optional<UserMessage> refusal = importCodeMessage(result.code)) {
        tell(*refusal);
        return;
    }
    if (s_.doc.NPoints(s_.work.CurLine) >= PointsMax) shell_.leaveCaptureOnToolbar();
    shell_.refreshAfter({.spline = true, .panel = true, .statusBar = 0, .menus = 1, .view = true});
}

} // namespace vex
