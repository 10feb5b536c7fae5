#pragma once
#include "core/io/pdf_page_size.h"
#include "core/state/app_state.h"
#include "core/ui/menu_states.h"
#include "core/ui/recent_files.h"
#include "core/ui/status_texts.h"
#include "gui/app/project_commands.h"
#include "gui/platform/platform.h"
#include "gui/platform/shell_services.h"
#include "gui/view/picture.h"

#include <QHash>
#include <QMainWindow>

#include <memory>

class QAction;

namespace vex {

class EditHistory;
class FunctionPanel;
class ImageHost;
class ImageView;
class RecentMenus;
class StatusPanes;
class ToolbarWidget;
class TraceTool;
class FamilyTools;
class Workspace;

// The program's frame window. It owns the whole state of the program and
// runs every command, whichever menu, button or key sent it.
class MainWindow : public QMainWindow, public ShellServices {
    Q_OBJECT
  public:
    explicit MainWindow(Platform platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    AppState& state() { return state_; }
    const AppState& state() const { return state_; }
    const MenuStates& menuStates() const { return menuStates_; }
    QAction* action(int id) const { return actions_.value(id); }
    StatusPanes& statusPanes() const { return *status_; }
    Workspace& workspace() const { return *workspace_; }
    const Picture& picture() const { return picture_; }
    ImageView& view() const { return *view_; }
    ImageHost& host() const { return *host_; }
    FunctionPanel& panel() const { return *panel_; }
    ToolbarWidget& toolbar() const { return *toolbar_; }

    // Runs a command of the menu bar or the toolbar.
    void command(int id);

    // Opens `path` shortly after start as openGivenFile does; a PDF opens
    // at `pdfPage` without asking.
    void openAtStart(const std::string& path, PdfPageChoice pdfPage = {}, int delayMs = 1200);
    // A file named on the command line or dropped on the window: a picture
    // or a PDF opens as a picture, anything else as a project. A PDF opens
    // at `pdfPage` when given, else at the page and resolution the user picks.
    void openGivenFile(const std::string& path,
                       std::optional<PdfPageChoice> pdfPage = std::nullopt);
    // Opens the picture at `path` as Open BMP image does with a chosen file.
    bool openPicture(const QString& path, std::optional<PdfPageChoice> pdfPage = std::nullopt);
    RecentMenus& recentMenus() const { return *recent_; }
    QAction& magnifierToggle() const { return *magnifierAction_; }

    // The steps of the refresh, each bringing one part of the screen up to
    // date with the state; refreshAfter runs them in their order.
    void dialogPartnership();
    // The project's file name and the unsaved-changes mark in the title.
    void showTitle();
    void prepContextMenu(int mode);
    void prepareToolBarIcons(int mode);
    void repaintToolBar();
    void repaintView();
    void focusView();

    // ShellServices
    void refreshAfter(const RefreshNeeds& needs) override;
    void prepStatusBar(int mode) override;
    void resetPanel(int dataPresent) override;
    void leaveCaptureOnToolbar() override;
    bool importPicture() override;
    void dropPicture() override;
    void showCurrentPoint() override;
    void showBundleParameter() override;
    void enablePanelControl(int id) override;
    void contextCommand(int id) override;
    void trace(TraceInput input, PlanePoint stored) override;
    void recordEdit(EditKind kind) override;
    void pictureChanged() override;
    void historyStartsAfresh() override;
    void projectSaved() override;

    EditHistory& history() const { return *history_; }

  signals:
    // The project named at start has been loaded (or could not be).
    void startProjectHandled();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildWorkArea();
    void buildEditMenu();
    // The whole screen brought up to date with the state, after a step of
    // the history replaced the document.
    void refreshAll();
    void showOpenedPicture();
    void loadProjectFile(const std::string& path);
    void openRecent(RecentList list, const std::string& path);
    void addZoomKeys();
    void addMagnifierToggle();
    void applyMenuStates();
    void setLanguage(std::int32_t language);
    void exitProgram();
    void showAbout();
    void showHelp();
    bool reopenPictureFromProject();
    bool keepPictureAs(const std::string& path);
    void pasteImage();
    static bool opensAsPdf(const std::string& path);
    bool openPdfPage(const QString& path, std::optional<PdfPageChoice> pdfPage);
    bool openPlainPicture(const QString& path);
    void copyTable();
    void pasteTable();
    Answer tell(int number, MessageKind kind);

    AppState state_;
    Platform platform_;
    MenuStates menuStates_;
    QHash<int, QAction*> actions_;
    StatusTexts statusTexts_;
    StatusPanes* status_ = nullptr;
    Workspace* workspace_ = nullptr;
    ToolbarWidget* toolbar_ = nullptr;
    FunctionPanel* panel_ = nullptr;
    Picture picture_;
    ImageView* view_ = nullptr;
    ImageHost* host_ = nullptr;
    std::unique_ptr<ProjectCommands> projectCommands_;
    std::unique_ptr<TraceTool> traceTool_;
    std::unique_ptr<FamilyTools> familyTools_;
    QWidget* helpWindow_ = nullptr;
    EditHistory* history_ = nullptr;
    RecentMenus* recent_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QAction* magnifierAction_ = nullptr;
    bool shuttingDown_ = false;
};

} // namespace vex
