#include "gui/app/main_window.h"

#include "core/io/clipboard_table.h"
#include "core/io/number_text.h"
#include "core/io/pdf_check.h"
#include "core/messages/catalogue.h"
#include "core/messages/message_format.h"
#include "core/numerics/spline.h"
#include "core/settings/settings_store.h"
#include "core/settings/view_preferences.h"
#include "core/state/clear_param.h"
#include "core/state/shown_spline.h"
#include "core/ui/command_ids.h"
#include "core/ui/table_commands.h"
#include "core/ui/trace_commands.h"
#include "core/ui/window_title.h"
#include "gui/app/about_dialog.h"
#include "gui/app/edit_history.h"
#include "gui/app/family_tools.h"
#include "gui/app/help_window.h"
#include "gui/app/menu_bar.h"
#include "gui/app/pdf_opening.h"
#include "gui/app/recent_menus.h"
#include "gui/app/resources.h"
#include "gui/app/status_panes.h"
#include "gui/app/toolbar_widget.h"
#include "gui/app/trace_tool.h"
#include "gui/app/window_memory.h"
#include "gui/app/workspace.h"
#include "gui/panel/function_panel.h"
#include "gui/view/image_host.h"
#include "gui/view/image_view.h"
#include "gui/view/picture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace vex {
namespace {

constexpr int kMinimumWidthBesidePanel = 700;
constexpr int kMinimumHeightBelowToolbar = 590;

} // namespace

MainWindow::MainWindow(Platform platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform) {
    registerResources();
    state_.InterfaceLanguage = readInterfaceLanguage(platform_.settings);
    // The small sizes are drawn for their pixel grids; the large one serves
    // every other size and ratio.
    QIcon icon;
    for (const char* file : {":/vexilor-16.png", ":/vexilor-32.png", ":/vexilor.png"})
        icon.addFile(QString::fromLatin1(file));
    setWindowIcon(icon);
    setAcceptDrops(true); // a picture or a project dropped on the window opens

    actions_ = buildMenuBar(*menuBar(), state_.InterfaceLanguage);
    for (QAction* a : std::as_const(actions_)) {
        const int id = a->data().toInt();
        connect(a, &QAction::triggered, this, [this, id] { command(id); });
    }
    recent_ = new RecentMenus(
        *menuHolding(*menuBar(), actions_.value(cmd::Exit)), actions_.value(cmd::Exit),
        platform_.settings, state_.InterfaceLanguage,
        [this](RecentList list, const std::string& path) { openRecent(list, path); });
    PrepContextMenu(0, state_, menuStates_);
    applyMenuStates();

    CLEARPARAM(state_);
    status_ = new StatusPanes(this);
    setStatusBar(status_);
    buildWorkArea();
    resetPanel(0);
    prepStatusBar(0);

    history_ = new EditHistory(
        state_, [this] { refreshAll(); }, this);
    // Every change of the project's name (New, Load, Save As, another
    // picture) is followed by the history taking the document anew.
    connect(history_, &EditHistory::modifiedFlagShown, this, &MainWindow::showTitle);
    showTitle();
    buildEditMenu();
    addZoomKeys();
    addMagnifierToggle();

    projectCommands_ = std::make_unique<ProjectCommands>(
        state_, platform_.prompts, *this, [this] { return reopenPictureFromProject(); },
        [this](const std::string& path) { return keepPictureAs(path); });
    traceTool_ =
        std::make_unique<TraceTool>(state_, picture_, platform_.prompts, platform_.settings, *this);
    familyTools_ =
        std::make_unique<FamilyTools>(state_, platform_.prompts, platform_.clipboard, *this);

    // The minimum size leaves the panel column and 700 pixels beside it,
    // and 590 pixels below the toolbar.
    setMinimumSize(Workspace::DefaultPanelWidth + kMinimumWidthBesidePanel,
                   menuBar()->sizeHint().height() + workspace_->toolbarBottom() +
                       kMinimumHeightBelowToolbar);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildWorkArea() {
    workspace_ = new Workspace(this);
    PrepareToolBarIcons(0, state_, state_.toolbar);
    toolbar_ = new ToolbarWidget(
        state_, ToolbarHooks{[this](int id) { command(id); },
                             [this] { return panel_->control(ctl::Ok)->isEnabled(); },
                             [this] { panel_->command(ctl::Ok); },
                             [this](int mode) { prepStatusBar(mode); }});
    panel_ = new FunctionPanel(state_, platform_.prompts, *this);
    view_ = new ImageView(state_, picture_, *this);
    host_ = new ImageHost(view_, state_.InterfaceLanguage);
    view_->setContextMenu(&host_->contextMenu());
    panel_->setDialogOwners(this, host_);
    connect(view_, &ImageView::calibrationShapeChecked, panel_, &FunctionPanel::setOkEnabled);
    workspace_->setParts(toolbar_, panel_, host_);
    workspace_->setPanelWidth(panel_->cancelRightEdge() + 10);
    setCentralWidget(workspace_);
    platform_.prompts.setOwner(view_);
    qApp->installEventFilter(new DeleteKeyFilter(
        this, [this] { return state_.doc.NPoints(state_.work.CurLine) > 2; },
        [this] { command(cmd::DeletePoint); }, this));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (status_) status_->fitToWidth(width());
}

Answer MainWindow::tell(int number, MessageKind kind) {
    return platform_.prompts.message(
        kind, QString::fromStdString(GETSS(number, state_.InterfaceLanguage)));
}

void MainWindow::command(int id) {
    recordEdit(EditKind::Edit); // no change stays outside the history, not even over a save
    switch (id) {
    case cmd::LoadProject:
        projectCommands_->loadProject();
        break;
    case cmd::Exit:
        exitProgram();
        break;
    case cmd::NewProject:
        projectCommands_->newProject();
        break;
    case cmd::SaveProjectAs:
        projectCommands_->saveProjectAs();
        break;
    case cmd::SaveProject:
        projectCommands_->saveProject();
        break;
    case cmd::About:
        showAbout();
        break;
    case cmd::ExportTable:
        projectCommands_->exportTable();
        break;
    case cmd::ImportTable:
        projectCommands_->importTable();
        break;
    case cmd::LanguageRussian:
        setLanguage(1);
        break;
    case cmd::LanguageEnglish:
        setLanguage(2);
        break;
    case cmd::HelpContent:
        showHelp();
        break;
    case cmd::PasteImage:
        pasteImage();
        break;
    case cmd::OpenBmpImage:
        // Posted, as the menu used to: the menu closes before the dialog opens.
        QTimer::singleShot(0, panel_, [this] { panel_->command(ctl::ImportBmp); });
        break;
    case cmd::AddLine:
        panel_->command(ctl::AddLine);
        break;
    case cmd::AddPoint:
        panel_->command(ctl::AddPoint);
        break;
    case cmd::DeletePoint:
        panel_->command(ctl::DeletePoint);
        break;
    case cmd::DeleteLine:
        panel_->command(ctl::DeleteLine);
        break;
    case cmd::SortPoints:
        panel_->command(ctl::SortPoints);
        break;
    case cmd::SetTheScale:
        panel_->toggleScaleFromMenu();
        break;
    case cmd::PointsCaptureMode:
        panel_->toggleCaptureFromMenu();
        break;
    case cmd::TraceCurve:
        traceTool_->toggle();
        break;
    case cmd::ExportCsv:
        familyTools_->exportCsv();
        break;
    case cmd::FamilyTable:
        familyTools_->showTable();
        break;
    case cmd::ReadAcross:
        familyTools_->readAcross();
        break;
    case cmd::NewLineAtParameter:
        familyTools_->newLine();
        break;
    default:
        break;
    }
    recordEdit(id == cmd::ImportTable ? EditKind::ImportTable : EditKind::Edit);
    applyMenuStates(); // a checkable action toggles itself; the rules decide
}

void MainWindow::openAtStart(const std::string& path, PdfPageChoice pdfPage, int delayMs) {
    state_.CommandLineFile = path;
    QTimer::singleShot(delayMs, this, [this, pdfPage] {
        // A Load Project issued before the delay has used the file already.
        // A copy: opening the file clears the one in the state.
        const std::string file = state_.CommandLineFile;
        if (!file.empty()) openGivenFile(file, pdfPage);
        emit startProjectHandled();
    });
}

void MainWindow::openGivenFile(const std::string& path, std::optional<PdfPageChoice> pdfPage) {
    // A picture or a PDF, judged by its content, opens as a picture;
    // anything else is loaded as a project (asking first about unsaved
    // work), which tells what is wrong with a file that is not one.
    const bool pdf = opensAsPdf(path);
    if (pdf || isPictureFile(path)) {
        state_.CommandLineFile.clear();
        const QString file = QString::fromStdString(path);
        pdf ? openPdfPage(file, pdfPage) : openPlainPicture(file);
        return;
    }
    loadProjectFile(path);
}

void MainWindow::loadProjectFile(const std::string& path) {
    state_.CommandLineFile = path; // Load Project takes it instead of asking for one
    command(cmd::LoadProject);
    state_.CommandLineFile.clear(); // also when the user kept the work: a later load asks
}

void MainWindow::openRecent(RecentList list, const std::string& path) {
    if (!QFileInfo(QString::fromStdString(path)).isFile()) {
        recent_->forget(list, path);
        platform_.prompts.message(
            MessageKind::Warning,
            QString::fromStdString(GETWM4(msg::RecentFileMissing, state_.InterfaceLanguage, path)));
        return;
    }
    if (list == RecentList::Projects)
        loadProjectFile(path);
    else
        openPicture(QString::fromStdString(path));
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.front().isLocalFile()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return;
    event->acceptProposedAction();
    const std::string path = urls.front().toLocalFile().toStdString();
    // After the drop has ended: the questions and messages may need their
    // own event loop, which the drag's source should not wait on.
    QTimer::singleShot(0, this, [this, path] { openGivenFile(path); });
}

void MainWindow::setLanguage(std::int32_t language) {
    // A choice the next start will not see is no choice: the language, its
    // check mark and the texts stay as they were.
    if (!writeInterfaceLanguage(platform_.settings, language)) {
        tell(msg::LanguageNotStored, MessageKind::Warning);
        return;
    }
    state_.InterfaceLanguage = language;
    checkLanguageItems(language, menuStates_);
    applyMenuStates();
    tell(msg::RestartToApplyLanguage, MessageKind::Information);
}

void MainWindow::exitProgram() {
    if (tell(msg::ConfirmExit, MessageKind::Question) != Answer::Yes) return;
    if (!projectCommands_->saveBeforeLeaving()) return;
    shuttingDown_ = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!shuttingDown_ && state_.work.ProjectModified == 1) {
        switch (tell(msg::SaveBeforeExit, MessageKind::QuestionWithCancel)) {
        case Answer::No:
            break;
        case Answer::Yes:
            if (projectCommands_->saveBeforeLeaving()) break;
            [[fallthrough]];
        default:
            event->ignore();
            return;
        }
    }
    shuttingDown_ = true;
    rememberWindowGeometry(*this, platform_.settings);
    if (helpWindow_) helpWindow_->close();
    event->accept();
}

void MainWindow::showAbout() {
    AboutDialog about(view_);
    platform_.prompts.exec(about);
}

void MainWindow::showHelp() {
    if (!helpWindow_) helpWindow_ = new HelpWindow(state_.InterfaceLanguage, this);
    helpWindow_->show();
    helpWindow_->raise();
}

// Written whole under another name, then given its own; an existing file of
// that name is never replaced (the rename refuses).
bool MainWindow::keepPictureAs(const std::string& path) {
    const QString target = QString::fromStdString(path);
    const QString partial = target + QStringLiteral(".partial");
    QFile::remove(partial);
    if (!picture_.image().save(partial, "PNG")) return false;
    if (QFile::rename(partial, target)) return true;
    QFile::remove(partial);
    return false;
}

void MainWindow::pasteImage() {
    const QImage image = QGuiApplication::clipboard()->image();
    if (image.isNull()) {
        tell(msg::ClipboardHasNoPicture, MessageKind::Warning);
        return;
    }
    if (const auto refusal = Picture::refusalOfSize(image.size(), QStringLiteral("(clipboard)"))) {
        platform_.prompts.show(*refusal, state_.InterfaceLanguage);
        return;
    }
    view_->showPictureWithoutFile(image); // made 32-bit as it is taken
    showOpenedPicture();
}

// A page of a PDF is kept with the project as a pasted picture is; the
// document itself goes on the list of recent pictures, to open again.
bool MainWindow::openPdfPage(const QString& path, std::optional<PdfPageChoice> pdfPage) {
    const std::optional<QImage> page =
        pdfPage ? givenPdfPage(path, *pdfPage, platform_.prompts, state_.InterfaceLanguage)
                : chosenPdfPage(path, platform_.prompts, state_.InterfaceLanguage);
    if (!page) return false;
    view_->showPictureWithoutFile(*page);
    recent_->note(RecentList::Pictures, path.toStdString());
    showOpenedPicture();
    return true;
}

bool MainWindow::reopenPictureFromProject() {
    return view_->LOADBMPFROMFILE1();
}

bool MainWindow::importPicture() {
    const std::optional<QString> chosen = platform_.prompts.openFile(FileKind::ImageOpen);
    return chosen && openPicture(*chosen);
}

// A picture whose first bytes happen to hold the PDF mark is still a picture.
bool MainWindow::opensAsPdf(const std::string& path) {
    return isPdfFile(path) && !isPictureFile(path);
}

bool MainWindow::openPicture(const QString& path, std::optional<PdfPageChoice> pdfPage) {
    if (opensAsPdf(path.toStdString())) return openPdfPage(path, pdfPage);
    return openPlainPicture(path);
}

bool MainWindow::openPlainPicture(const QString& path) {
    if (!view_->openPictureFile(path, &platform_.prompts)) return false;
    showOpenedPicture();
    return true;
}

void MainWindow::showOpenedPicture() {
    // A pasted picture has no file for the list.
    if (!state_.doc.ImagePath.empty()) recent_->note(RecentList::Pictures, state_.doc.ImagePath);
    pictureChanged();
    RefreshNeeds needs = AfterNewDocument;
    needs.view = false; // the view repainted itself with the new picture
    refreshAfter(needs);
}

void MainWindow::applyMenuStates() {
    for (auto it = actions_.cbegin(); it != actions_.cend(); ++it) {
        const MenuItemState s = menuStates_.at(it.key());
        it.value()->setEnabled(s.enabled);
        if (it.value()->isCheckable()) it.value()->setChecked(s.checked);
    }
    if (!recent_) return;
    recent_->setAvailable(RecentList::Projects, menuStates_.at(cmd::LoadProject).enabled);
    recent_->setAvailable(RecentList::Pictures, menuStates_.at(cmd::OpenBmpImage).enabled);
}

void MainWindow::refreshAfter(const RefreshNeeds& needs) {
    if (needs.spline) rebuildShownSpline(state_);
    if (needs.panel) dialogPartnership();
    if (needs.statusBar != NotRefreshed) prepStatusBar(needs.statusBar);
    if (needs.menus != NotRefreshed) prepContextMenu(needs.menus);
    if (needs.toolbarIcons != NotRefreshed) prepareToolBarIcons(needs.toolbarIcons);
    if (needs.toolbar) repaintToolBar();
    if (needs.view) repaintView();
    if (needs.focusView) focusView();
}

void MainWindow::showTitle() {
    setWindowTitle(QString::fromStdString(windowTitleText(state_)));
    setWindowModified(state_.work.ProjectModified == 1);
}

void MainWindow::dialogPartnership() {
    panel_->dialogPartnership();
}

void MainWindow::prepStatusBar(int mode) {
    PREPSTATUSBAR(mode, state_, state_.toolbar.hotIndex, statusTexts_);
    if (status_) status_->show(statusTexts_);
}

void MainWindow::prepContextMenu(int mode) {
    PrepContextMenu(mode, state_, menuStates_);
    applyMenuStates();
    followMenuModeRule(state_, menuStates_, state_.toolbar);
    repaintToolBar();
}

void MainWindow::prepareToolBarIcons(int mode) {
    PrepareToolBarIcons(mode, state_, state_.toolbar);
    syncToolbarLatch(state_, state_.toolbar);
}

void MainWindow::repaintToolBar() {
    toolbar_->syncSlots();
    toolbar_->update();
}

void MainWindow::repaintView() {
    view_->viewport()->repaint();
}

void MainWindow::focusView() {
    view_->setFocus();
}

void MainWindow::resetPanel(int dataPresent) {
    panel_->resetPanel(dataPresent);
}

void MainWindow::dropPicture() {
    view_->dropPicture();
}

void MainWindow::showCurrentPoint() {
    panel_->showCurrentPoint();
}

void MainWindow::showBundleParameter() {
    panel_->showBundleParameter();
}

void MainWindow::enablePanelControl(int id) {
    panel_->enableControl(id);
}

void MainWindow::trace(TraceInput input, PlanePoint stored) {
    switch (input) {
    case TraceInput::Toggle:
        traceTool_->toggle();
        break;
    case TraceInput::Click:
        traceTool_->click(stored);
        break;
    case TraceInput::Take:
        traceTool_->take();
        break;
    case TraceInput::Leave:
        traceTool_->leave();
        break;
    }
}

void MainWindow::contextCommand(int id) {
    if (id == cmd::CopyTable) copyTable();
    if (id == cmd::PasteTable) pasteTable();
    recordEdit(id == cmd::PasteTable ? EditKind::PasteTable : EditKind::Edit);
}

void MainWindow::copyTable() {
    const CopyResult copy = copyTableCommand(state_);
    if (copy.refusal) {
        platform_.prompts.show(*copy.refusal, state_.InterfaceLanguage);
        return;
    }
    // The block ends in a NUL, as plain text on the old clipboard did; the text stops there.
    platform_.clipboard.set(std::string(cutAtFirstNul(copy.block)));
    showCurrentPoint(); // the copy brought the chart values up to date
}

void MainWindow::pasteTable() {
    const std::string text = platform_.clipboard.get().value_or(std::string());
    const PasteResult paste = pasteTableCommand(text, state_);
    for (const UserMessage& m : paste.messages) platform_.prompts.show(m, state_.InterfaceLanguage);
    if (!paste.changed) return;
    if (state_.doc.NPoints(state_.work.CurLine) >= PointsMax) leaveCaptureFull(state_.toolbar);
    showCurrentPoint();
    showBundleParameter();
    // The curve shown is that of the old points until it is sampled again.
    refreshAfter(
        {.spline = true, .panel = true, .statusBar = 0, .menus = 1, .toolbar = true, .view = true});
    for (int control : {ctl::YEdit, ctl::XEdit, ctl::SortPoints, ctl::DeletePoint, ctl::AddPoint,
                        ctl::DeleteLine, ctl::AddLine, ctl::BundleParameter})
        enablePanelControl(control);
}

void MainWindow::addZoomKeys() {
    const auto key = [this](const QList<QKeySequence>& keys, std::function<void()> run) {
        auto* action = new QAction(this);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, std::move(run));
        addAction(action);
    };
    key({QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)},
        [this] { view_->zoomFromKeyboard(1); });
    key({QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [this] { view_->zoomFromKeyboard(-1); });
    key({QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { view_->zoomToFit(); });
}

void MainWindow::addMagnifierToggle() {
    // Settings → Magnifier, Ctrl+L; the choice is kept for the next start.
    QMenu* settings = menuHolding(*menuBar(), actions_.value(cmd::LanguageEnglish));
    magnifierAction_ = settings->addAction(
        state_.InterfaceLanguage == 1 ? QStringLiteral("&Лупа") : QStringLiteral("&Magnifier"));
    magnifierAction_->setCheckable(true);
    magnifierAction_->setChecked(readMagnifierShown(platform_.settings));
    magnifierAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    view_->setMagnifierShown(magnifierAction_->isChecked());
    connect(magnifierAction_, &QAction::toggled, this, [this](bool shown) {
        view_->setMagnifierShown(shown);
        writeMagnifierShown(platform_.settings, shown);
    });
}

void MainWindow::buildEditMenu() {
    const std::int32_t language = state_.InterfaceLanguage;
    auto* menu = new QMenu(QString::fromStdString(editMenuTitle(language)), menuBar());
    menuBar()->insertMenu(menuBar()->actions().value(1), menu); // after File
    undoAction_ = menu->addAction(QString::fromStdString(undoWord(language)));
    undoAction_->setShortcut(QKeySequence::Undo);
    redoAction_ = menu->addAction(QString::fromStdString(redoWord(language)));
    redoAction_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(undoAction_, &QAction::triggered, this, [this] { history_->undo(); });
    connect(redoAction_, &QAction::triggered, this, [this] { history_->redo(); });

    QUndoStack& stack = history_->stack();
    const auto follow = [&stack](QAction* action, const std::string& word, bool undo) {
        const QString prefix = QString::fromStdString(word);
        auto update = [&stack, action, prefix, undo] {
            const QString what = undo ? stack.undoText() : stack.redoText();
            action->setText(what.isEmpty() ? prefix : prefix + QLatin1Char(' ') + what);
            action->setEnabled(undo ? stack.canUndo() : stack.canRedo());
        };
        connect(&stack, &QUndoStack::indexChanged, action, update);
        connect(&stack, &QUndoStack::cleanChanged, action, update);
        update();
    };
    follow(undoAction_, undoWord(language), true);
    follow(redoAction_, redoWord(language), false);
}

void MainWindow::refreshAll() {
    if (state_.doc.NPoints(state_.work.CurLine) >= PointsMax) leaveCaptureFull(state_.toolbar);
    showCurrentPoint();
    showBundleParameter();
    RefreshNeeds needs = AfterChange;
    needs.spline = true;
    needs.toolbarIcons = state_.work.ImageLoaded != 0 ? 1 : 2;
    refreshAfter(needs);
}

void MainWindow::recordEdit(EditKind kind) {
    history_->record(kind);
}

void MainWindow::pictureChanged() {
    history_->takeAsIs();
}

void MainWindow::historyStartsAfresh() {
    history_->startAfresh();
    // After a load, not after New: only a project from a file has a name.
    if (state_.work.ProjectNamed == 1) recent_->note(RecentList::Projects, state_.ProjectPath);
}

void MainWindow::projectSaved() {
    history_->markSaved();
    recent_->note(RecentList::Projects, state_.ProjectPath);
}

void MainWindow::leaveCaptureOnToolbar() {
    leaveCaptureFull(state_.toolbar);
    repaintToolBar();
}

} // namespace vex
