#pragma once
// The function panel beside the image view: the two mouse modes, lines,
// points, the curve and the picture. Every button, edit and menu command
// that edits the data goes through command(); the enabled states follow
// the data after each change.

#include "core/state/app_state.h"
#include "core/ui/panel_rules.h"
#include "gui/platform/prompts.h"
#include "gui/platform/shell_services.h"

#include <QFrame>
#include <QHash>

class QAbstractButton;
class QLineEdit;

namespace vex {

class UpDownControl;

class FunctionPanel : public QFrame {
    Q_OBJECT
  public:
    FunctionPanel(AppState& s, Prompts& prompts, ShellServices& shell, QWidget* parent = nullptr);

    // The owner of the modal dialogs, and the view area disabled with the panel while they run.
    void setDialogOwners(QWidget* owner, QWidget* host);

    void command(int id);
    // Menu and toolbar ways into the two mode buttons.
    void toggleScaleFromMenu();
    void toggleCaptureFromMenu();

    void dialogPartnership();
    void resetPanel(int dataPresent);
    void showLayout(int layout); // 1: data; otherwise the calibration layout
    void showCurrentPoint();     // X = and Y = of the current point
    void showBundleParameter();  // the current line's parameter
    void enableControl(int id);  // on top of the rules, until they next run
    // The calibration can be confirmed only while its quadrilateral is usable.
    void setOkEnabled(bool enabled);

    // Right edge of Cancel: the panel column is this wide plus 10 pixels.
    int cancelRightEdge() const;
    QWidget* control(int id) const { return controls_.value(id); }
    const PanelControls& controlStates() const { return states_; }

  private:
    void build(bool russian);
    void applyStates();
    // The refresh after a change of data or mode; the toolbar states too when given.
    void afterChange(int toolbarIcons = NotRefreshed);
    void endCalibration(bool askForRanges);
    void editTyped(int id, const QString& text);
    void runCommand(int id);
    void gridStepped(bool xGrid, int position);
    void setEditText(int id, const QString& text);
    void writeEdit(QLineEdit* edit, const QString& text); // not taken as the user's
    bool isTicked(int id) const;

    AppState& s_;
    Prompts& prompts_;
    ShellServices& shell_;
    QWidget* dialogOwner_ = nullptr;
    QWidget* host_ = nullptr;
    PanelControls states_;
    QHash<int, QWidget*> controls_;
    bool okAllowed_ = true;
    bool writingEdit_ = false;
};

} // namespace vex
