#include "core/ui/menu_states.h"

#include "core/ui/command_ids.h"
#include "core/ui/trace_commands.h"

namespace vex {
namespace {

constexpr int kAllItems[] = {
    cmd::OpenBmpImage,    cmd::NewProject,  cmd::LoadProject, cmd::SaveProject,
    cmd::SaveProjectAs,   cmd::Exit,        cmd::SetTheScale, cmd::PointsCaptureMode,
    cmd::AddLine,         cmd::DeleteLine,  cmd::AddPoint,    cmd::DeletePoint,
    cmd::SortPoints,      cmd::ExportTable, cmd::ImportTable, cmd::LanguageRussian,
    cmd::LanguageEnglish, cmd::About,       cmd::HelpContent, cmd::TraceCurve,
    cmd::ExportCsv,       cmd::FamilyTable, cmd::ReadAcross,  cmd::NewLineAtParameter,
    cmd::PasteImage};

} // namespace

MenuStates::MenuStates() {
    for (int id : kAllItems) items_[id] = MenuItemState{};
    for (int id :
         {cmd::SetTheScale, cmd::PointsCaptureMode, cmd::LanguageRussian, cmd::LanguageEnglish})
        items_[id].checked = true;
}

MenuItemState MenuStates::at(int id) const {
    const auto it = items_.find(id);
    return it == items_.end() ? MenuItemState{} : it->second;
}

void checkLanguageItems(std::int32_t language, MenuStates& menu) {
    menu[cmd::LanguageRussian].checked = language == 1;
    menu[cmd::LanguageEnglish].checked = language != 1;
}

void PrepContextMenu(int mode, const AppState& s, MenuStates& menu) {
    auto gray = [&menu](std::initializer_list<int> ids) {
        for (int id : ids) menu[id].enabled = false;
    };
    auto enable = [&menu](std::initializer_list<int> ids) {
        for (int id : ids) menu[id].enabled = true;
    };
    auto setEnabled = [&menu](int id, bool on) { menu[id].enabled = on; };

    if (mode == 0) {
        gray({cmd::NewProject, cmd::SaveProject, cmd::SaveProjectAs, cmd::AddLine, cmd::AddPoint,
              cmd::DeletePoint, cmd::DeleteLine, cmd::SortPoints, cmd::ExportTable,
              cmd::ImportTable, cmd::SetTheScale, cmd::PointsCaptureMode});
        menu[cmd::SetTheScale].checked = false;
        menu[cmd::PointsCaptureMode].checked = false;
        menu[cmd::TraceCurve] = {false, false};
        gray({cmd::ExportCsv, cmd::FamilyTable, cmd::ReadAcross, cmd::NewLineAtParameter});
        checkLanguageItems(s.InterfaceLanguage, menu);
        return;
    }
    if (mode != 1) return;

    const Dep2D& d = s.doc;
    const WorkState& w = s.work;
    const bool image = w.ImageLoaded != 0;
    const bool scale = w.ScaleMode != 0;
    const std::int32_t p = d.NPoints(w.CurLine);
    const std::int32_t p1 = d.NPoints(1);

    for (int id : {cmd::NewProject, cmd::SaveProject, cmd::SaveProjectAs})
        setEnabled(id, image || p1 > 0);
    enable({cmd::ImportTable});
    setEnabled(cmd::ExportTable, p1 > 0);
    setEnabled(cmd::AddLine, d.NLines < LinesMax && p >= 2);
    setEnabled(cmd::AddPoint, p >= 2 && p < PointsMax);
    setEnabled(cmd::SortPoints, p >= 2 && p < PointsMax);
    setEnabled(cmd::DeletePoint, p > 2);
    setEnabled(cmd::DeleteLine, p > 2);

    // Calibration block.
    if (!image) {
        gray({cmd::SetTheScale});
    } else if (scale) {
        gray({cmd::ExportTable, cmd::OpenBmpImage, cmd::PointsCaptureMode});
        menu[cmd::SetTheScale] = {true, true};
        gray({cmd::ImportTable, cmd::DeleteLine, cmd::DeletePoint, cmd::AddPoint, cmd::AddLine,
              cmd::SortPoints});
    } else {
        enable({cmd::ImportTable, cmd::OpenBmpImage, cmd::PointsCaptureMode, cmd::SetTheScale});
        menu[cmd::SetTheScale].checked = false;
    }

    // Capture block.
    if (!image) {
        gray({cmd::PointsCaptureMode});
    } else if (w.CaptureMode == 1) {
        gray({cmd::SetTheScale});
        menu[cmd::PointsCaptureMode] = {p < PointsMax, p < PointsMax};
    } else if (!scale) {
        enable({cmd::SetTheScale});
        menu[cmd::PointsCaptureMode] = {p < PointsMax, false};
    }

    if (w.SplinePointMode == 1 || !image) {
        gray({cmd::ExportTable});
        menu[cmd::SetTheScale] = {false, false};
        menu[cmd::PointsCaptureMode] = {false, false};
        gray({cmd::DeleteLine, cmd::DeletePoint, cmd::AddPoint, cmd::AddLine, cmd::SortPoints});
    }
    menu[cmd::TraceCurve] = {traceAllowed(s), s.trace.on};
    menu[cmd::PasteImage].enabled = menu[cmd::OpenBmpImage].enabled; // another picture alike
    // The family tools read the points' chart values, which the calibration
    // changes while it is set.
    bool anyPoint = false;
    for (int j = 1; j <= d.NLines; ++j) anyPoint = anyPoint || d.NPoints(j) > 0;
    for (int id : {cmd::ExportCsv, cmd::FamilyTable, cmd::ReadAcross})
        setEnabled(id, anyPoint && !scale);
    setEnabled(cmd::NewLineAtParameter, anyPoint && !scale && d.NLines < LinesMax);
}

} // namespace vex
