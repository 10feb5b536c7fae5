#include "gui/panel/function_panel.h"

#include "core/coords/chart_values.h"
#include "core/io/formatted_value.h"
#include "core/io/number_text.h"
#include "core/messages/catalogue.h"
#include "core/numerics/spline.h"
#include "core/state/shown_spline.h"
#include "core/ui/command_ids.h"
#include "core/ui/panel_commands.h"
#include "gui/panel/coordinate_range_dialog.h"
#include "gui/panel/dialog_units.h"
#include "gui/panel/panel_template.h"
#include "gui/panel/points_on_spline_dialog.h"
#include "gui/panel/up_down_control.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vex {
namespace {

// Captions longer than their button are broken at blanks, as the old buttons did.
QString wrapped(const QString& text, const QFontMetrics& fm, int width) {
    const QStringList words = text.split(' ');
    QStringList lines;
    QString line;
    for (const QString& word : words) {
        const QString candidate = line.isEmpty() ? word : line + ' ' + word;
        if (!line.isEmpty() && fm.horizontalAdvance(candidate) > width) {
            lines << line;
            line = word;
        } else {
            line = candidate;
        }
    }
    lines << line;
    return lines.join('\n');
}

QString formatted(float value) {
    return QString::fromStdString(WRITEFORMATTEDVALUE(1, 0, value));
}

} // namespace

FunctionPanel::FunctionPanel(AppState& s, Prompts& prompts, ShellServices& shell, QWidget* parent)
    : QFrame(parent), s_(s), prompts_(prompts), shell_(shell) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAccessibleName(QStringLiteral("Function panel"));
    build(s_.InterfaceLanguage == 1);
    states_ = initialPanelControls(s_);
    for (UpDownControl* spin : {static_cast<UpDownControl*>(control(ctl::XGridSpin)),
                                static_cast<UpDownControl*>(control(ctl::YGridSpin))}) {
        spin->setRange(0, 99);
    }
    static_cast<UpDownControl*>(control(ctl::XGridSpin))->setPosition(s_.work.XGrid - 1);
    static_cast<UpDownControl*>(control(ctl::YGridSpin))->setPosition(s_.work.YGrid - 1);
    showBundleParameter();
    setEditText(ctl::XGridEdit, QString::number(s_.work.XGrid));
    setEditText(ctl::YGridEdit, QString::number(s_.work.YGrid));
    applyStates();
}

void FunctionPanel::setDialogOwners(QWidget* owner, QWidget* host) {
    dialogOwner_ = owner;
    host_ = host;
}

void FunctionPanel::build(bool russian) {
    QFont panelFont = font();
    panelFont.setPixelSize(11); // the size the layout was drawn for
    setFont(panelFont);
    const QFontMetrics fm(panelFont);
    for (const PanelControlLayout& item : panelControlLayouts()) {
        const QRect r = russian ? dialogUnitsToPixels(fm, item.xRu, item.yRu, item.wRu, item.hRu)
                                : dialogUnitsToPixels(fm, item.x, item.y, item.w, item.h);
        const QString caption = QString::fromUtf8(russian ? item.russian : item.english);
        QWidget* w = nullptr;
        switch (item.kind) {
        case PanelControlKind::GroupBox:
            w = new QGroupBox(caption, this);
            break;
        case PanelControlKind::PushLikeCheck: {
            auto* b = new QPushButton(wrapped(caption, fm, r.width() - 6), this);
            b->setCheckable(true);
            connect(b, &QPushButton::clicked, this, [this, id = item.id] { command(id); });
            w = b;
            break;
        }
        case PanelControlKind::PushButton:
        case PanelControlKind::DefaultButton: {
            auto* b = new QPushButton(caption, this);
            b->setDefault(item.kind == PanelControlKind::DefaultButton);
            connect(b, &QPushButton::clicked, this, [this, id = item.id] { command(id); });
            w = b;
            break;
        }
        case PanelControlKind::CheckBox: {
            auto* b = new QCheckBox(caption, this);
            connect(b, &QCheckBox::clicked, this, [this, id = item.id] { command(id); });
            w = b;
            break;
        }
        case PanelControlKind::Label:
        case PanelControlKind::CentredLabel: {
            auto* l = new QLabel(caption, this);
            l->setWordWrap(true);
            l->setAlignment(item.kind == PanelControlKind::CentredLabel
                                ? Qt::AlignHCenter | Qt::AlignTop
                                : Qt::AlignLeft | Qt::AlignVCenter);
            w = l;
            break;
        }
        case PanelControlKind::Edit: {
            auto* e = new QLineEdit(this);
            e->setMaxLength(80);
            // Only the user's changes are stored, typed or set by a screen
            // reader (which fires no textEdited, and may write into an edit
            // that is hidden or disabled); the program's own writes into the
            // edit must not round the value it shows.
            connect(e, &QLineEdit::textChanged, this, [this, e, id = item.id](const QString& text) {
                if (!writingEdit_ && e->isEnabled() && e->isVisibleTo(this)) editTyped(id, text);
            });
            w = e;
            break;
        }
        case PanelControlKind::UpDown: {
            auto* u = new UpDownControl(this);
            const bool xGrid = item.id == ctl::XGridSpin;
            connect(u, &UpDownControl::positionChanged, this,
                    [this, xGrid](int position) { gridStepped(xGrid, position); });
            w = u;
            break;
        }
        }
        w->setGeometry(r);
        w->setObjectName(QStringLiteral("control%1").arg(item.id));
        w->setAccessibleName(item.accessibleName ? QString::fromUtf8(item.accessibleName)
                                                 : caption);
        controls_.insert(item.id, w);
    }
    const PanelTemplate t = panelTemplate(russian);
    resize(dialogUnitsToPixels(fm, t.width, t.height));
}

int FunctionPanel::cancelRightEdge() const {
    const QWidget* cancel = control(ctl::Cancel);
    return cancel->geometry().right() + 1 + frameWidth();
}

bool FunctionPanel::isTicked(int id) const {
    const auto* b = qobject_cast<const QAbstractButton*>(control(id));
    return b && b->isChecked();
}

void FunctionPanel::setEditText(int id, const QString& text) {
    auto* e = qobject_cast<QLineEdit*>(control(id));
    // The edit being typed in keeps what the user is typing.
    if (e && !e->hasFocus() && e->text() != text) writeEdit(e, text);
}

void FunctionPanel::writeEdit(QLineEdit* edit, const QString& text) {
    writingEdit_ = true;
    edit->setText(text);
    writingEdit_ = false;
}

void FunctionPanel::applyStates() {
    for (auto it = controls_.cbegin(); it != controls_.cend(); ++it) {
        const int id = it.key();
        QWidget* w = it.value();
        w->setVisible(states_.isVisible(id));
        w->setEnabled(id == ctl::Ok ? states_.isEnabled(id) && okAllowed_ : states_.isEnabled(id));
    }
    // The mode buttons and the spline boxes mirror their flags.
    const std::pair<int, bool> ticks[] = {{ctl::SetTheScale, s_.work.ScaleMode != 0},
                                          {ctl::CaptureMode, s_.work.CaptureMode == 1},
                                          {ctl::ShowSpline, s_.work.SplineShown == 1},
                                          {ctl::SplineAddPoint, s_.work.SplinePointMode == 1}};
    for (const auto& [id, on] : ticks) {
        states_.checked[id] = on;
        if (auto* b = qobject_cast<QAbstractButton*>(control(id))) b->setChecked(on);
    }
}

void FunctionPanel::dialogPartnership() {
    DIALOGPARTNERSHIP(s_, states_);
    enablePointEdits(s_, states_);
    showCurrentPoint();
    showBundleParameter();
    applyStates();
}

void FunctionPanel::resetPanel(int dataPresent) {
    PROCESS_RESET_HDLG(s_, dataPresent, states_);
    setEditText(ctl::XGridEdit, QString::number(s_.work.XGrid));
    setEditText(ctl::YGridEdit, QString::number(s_.work.YGrid));
    static_cast<UpDownControl*>(control(ctl::XGridSpin))->setPosition(s_.work.XGrid - 1);
    static_cast<UpDownControl*>(control(ctl::YGridSpin))->setPosition(s_.work.YGrid - 1);
    applyStates();
    shell_.prepStatusBar(0);
}

void FunctionPanel::showLayout(int layout) {
    PROCESS_UDM_HDLG(layout, states_);
    if (layout != 1) {
        setEditText(ctl::XGridEdit, QString::number(s_.work.XGrid));
        setEditText(ctl::YGridEdit, QString::number(s_.work.YGrid));
    }
    applyStates();
    shell_.prepStatusBar(0);
}

void FunctionPanel::showCurrentPoint() {
    const Dep2D& d = s_.doc;
    const WorkState& w = s_.work;
    const bool exists = w.CurPoint >= 1 && w.CurPoint <= d.NPoints(w.CurLine);
    setEditText(ctl::XEdit, exists ? formatted(d.ArgX(w.CurLine, w.CurPoint)) : QString());
    setEditText(ctl::YEdit, exists ? formatted(d.ValY(w.CurLine, w.CurPoint)) : QString());
}

void FunctionPanel::showBundleParameter() {
    setEditText(ctl::BundleParameter, formatted(s_.doc.LineParam(s_.work.CurLine)));
}

void FunctionPanel::enableControl(int id) {
    states_.enabled[id] = true;
    if (QWidget* w = control(id)) w->setEnabled(true);
}

void FunctionPanel::setOkEnabled(bool enabled) {
    okAllowed_ = enabled;
    control(ctl::Ok)->setEnabled(enabled && states_.isEnabled(ctl::Ok));
}

void FunctionPanel::afterChange(int toolbarIcons) {
    RefreshNeeds needs = AfterChange;
    needs.toolbarIcons = toolbarIcons;
    shell_.refreshAfter(needs);
}

void FunctionPanel::toggleScaleFromMenu() {
    if (s_.work.ScaleMode != 0) {
        command(ctl::Ok);
        return;
    }
    static_cast<QAbstractButton*>(control(ctl::SetTheScale))->setChecked(true);
    command(ctl::SetTheScale);
}

void FunctionPanel::toggleCaptureFromMenu() {
    static_cast<QAbstractButton*>(control(ctl::CaptureMode))->setChecked(s_.work.CaptureMode != 1);
    command(ctl::CaptureMode);
}

void FunctionPanel::endCalibration(bool askForRanges) {
    s_.work.ScaleMode = 0;
    clearLatch(s_.toolbar);
    if (askForRanges) SETRANGEOFCOORDINATE_DIALOG(s_, prompts_, dialogOwner_, this, host_);
    // The points stay where they are on the picture; their chart values follow the new calibration.
    recomputeAllChartValues(s_.doc, s_.work.PerspectiveDistance);
    showLayout(1);
    shell_.refreshAfter({.panel = true,
                         .menus = 1,
                         .toolbarIcons = 1,
                         .toolbar = true,
                         .view = true,
                         .focusView = true});
}

void FunctionPanel::editTyped(int id, const QString& text) {
    const std::string t = text.toStdString();
    TypedEdit typed;
    switch (id) {
    case ctl::BundleParameter:
        typed = typeBundleParameter(s_, t);
        break;
    case ctl::XEdit:
        typed = typePointX(s_, t);
        break;
    case ctl::YEdit:
        typed = typePointY(s_, t);
        break;
    case ctl::XGridEdit:
    case ctl::YGridEdit: {
        const bool xGrid = id == ctl::XGridEdit;
        if (typeGridCount(s_, xGrid, t)) {
            auto* spin =
                static_cast<UpDownControl*>(control(xGrid ? ctl::XGridSpin : ctl::YGridSpin));
            spin->setPosition((xGrid ? s_.work.XGrid : s_.work.YGrid) - 1);
        }
        break;
    }
    default:
        return;
    }
    if (typed.refusal) prompts_.show(*typed.refusal, s_.InterfaceLanguage);
    shell_.recordEdit(editKindOfControl(id));
    shell_.refreshAfter({.view = true});
}

void FunctionPanel::gridStepped(bool xGrid, int position) {
    (xGrid ? s_.work.XGrid : s_.work.YGrid) = position + 1;
    auto* edit = static_cast<QLineEdit*>(control(xGrid ? ctl::XGridEdit : ctl::YGridEdit));
    writeEdit(edit, QString::number(position + 1));
    shell_.refreshAfter({.view = true});
}

void FunctionPanel::command(int id) {
    runCommand(id);
    shell_.recordEdit(editKindOfControl(id));
}

void FunctionPanel::runCommand(int id) {
    Dep2D& d = s_.doc;
    WorkState& w = s_.work;
    switch (id) {
    case ctl::Ok:
        if (w.ScaleMode != 0) endCalibration(true);
        return;
    case ctl::Cancel:
        if (w.ScaleMode != 0) endCalibration(false);
        return;
    case ctl::SetTheScale:
        if (isTicked(ctl::SetTheScale) && w.ScaleMode == 0) {
            startScaleMode(s_);
            showLayout(0);
        }
        applyStates();
        shell_.refreshAfter(
            {.statusBar = 0, .menus = 1, .toolbar = true, .view = true, .focusView = true});
        return;
    case ctl::CaptureMode:
        setCaptureMode(s_, isTicked(ctl::CaptureMode));
        afterChange();
        return;
    case ctl::TraceCurve:
        shell_.trace(TraceInput::Toggle);
        return;
    case ctl::AddLine:
        if (addLine(s_)) afterChange();
        return;
    case ctl::AddPoint:
        if (addPoint(s_)) afterChange();
        return;
    case ctl::DeletePoint:
        if (deletePoint(s_)) afterChange();
        return;
    case ctl::DeleteLine: {
        const QString question = QString::fromStdString(
            GETWM4(msg::ConfirmRemoveLine, s_.InterfaceLanguage, integerField(w.CurLine)));
        if (prompts_.message(MessageKind::Question, question) != Answer::Yes) return;
        deleteLine(s_);
        afterChange();
        return;
    }
    case ctl::SortPoints:
        if (sortPoints(s_)) afterChange();
        return;
    case ctl::DeleteBmp:
        shell_.dropPicture();
        w.ImageLoaded = 0;
        afterChange(2);
        return;
    case ctl::ImportBmp:
        shell_.importPicture();
        return;
    case ctl::NextLine:
        if (nextLine(s_)) afterChange();
        return;
    case ctl::PreviousLine:
        if (previousLine(s_)) afterChange();
        return;
    case ctl::ShowSpline: {
        const bool on = isTicked(ctl::ShowSpline);
        const std::int32_t n = d.NPoints(w.CurLine);
        setSplineShown(s_, on);
        states_.enabled[ctl::PointsOnSpline] = on && n > 1;
        states_.enabled[ctl::SplineAddPoint] = on && n >= 2 && n < PointsMax;
        afterChange();
        return;
    }
    case ctl::SplineAddPoint:
        setSplinePointMode(s_, isTicked(ctl::SplineAddPoint));
        afterChange();
        return;
    case ctl::PointsOnSpline:
        if (w.SplineShown != 1) return;
        if (SetNumPointsOnLine(s_, prompts_, dialogOwner_)) {
            // The samples replaced the points: their chart values and the drawn curve follow.
            recomputeLineChartValues(s_.doc, w.PerspectiveDistance, w.CurLine);
            rebuildShownSpline(s_);
        }
        if (d.NPoints(w.CurLine) >= PointsMax) leaveCaptureFull(s_.toolbar);
        afterChange();
        return;
    default:
        return;
    }
}

} // namespace vex
