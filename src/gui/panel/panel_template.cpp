#include "gui/panel/panel_template.h"

#include "core/ui/command_ids.h"

namespace vex {

const std::vector<PanelControlLayout>& panelControlLayouts() {
    using K = PanelControlKind;
    // Group boxes first: they lie behind the controls they frame.
    static const std::vector<PanelControlLayout> layouts = {
        {ctl::FunctionGroup, K::GroupBox, "Function", "Функции", 7, 7, 72, 61, 7, 7, 72, 61,
         nullptr},
        {ctl::GridGroup, K::GroupBox, "Grid", "Сетка", 7, 14, 61, 48, 7, 14, 61, 48, nullptr},
        {ctl::LinesGroup, K::GroupBox, "Lines", "Линии", 7, 69, 72, 76, 7, 69, 72, 85, nullptr},
        {ctl::PointsGroup, K::GroupBox, "Points", "Точки", 7, 146, 72, 141, 7, 154, 72, 141,
         nullptr},
        {ctl::SplineGroup, K::GroupBox, "Spline Interpolation", "Интерполяция", 7, 289, 98, 53, 7,
         297, 98, 53, nullptr},
        {ctl::BmpGroup, K::GroupBox, ".BMP", ".BMP", 7, 343, 72, 45, 7, 351, 72, 45, nullptr},

        {ctl::SetTheScale, K::PushLikeCheck, "Set the Scale", "Установить координаты", 13, 17, 54,
         22, 13, 17, 54, 22, nullptr},
        {ctl::CaptureMode, K::PushLikeCheck, "Points Capture Mode", "Добавить точки", 13, 42, 54,
         22, 13, 42, 54, 22, nullptr},
        {ctl::XGridLabel, K::Label, "XGrid = ", "XGrid = ", 13, 26, 26, 11, 13, 26, 26, 11,
         nullptr},
        {ctl::XGridEdit, K::Edit, "", "", 39, 25, 16, 14, 39, 25, 16, 14, "XGrid"},
        {ctl::XGridSpin, K::UpDown, "Spin1", "Spin1", 55, 25, 9, 14, 55, 25, 9, 14, "XGrid"},
        {ctl::YGridLabel, K::Label, "YGrid = ", "YGrid = ", 13, 41, 26, 11, 13, 41, 26, 11,
         nullptr},
        {ctl::YGridEdit, K::Edit, "", "", 39, 41, 16, 14, 39, 41, 16, 14, "YGrid"},
        {ctl::YGridSpin, K::UpDown, "Spin1", "Spin1", 55, 41, 9, 14, 55, 41, 9, 14, "YGrid"},
        {ctl::AddLine, K::PushButton, "Add Line", "Добавить", 13, 78, 47, 13, 13, 78, 47, 13,
         nullptr},
        {ctl::DeleteLine, K::PushButton, "Delete Line", "Удалить", 13, 97, 47, 13, 13, 97, 47, 13,
         nullptr},
        {ctl::NextLine, K::PushButton, "/\\", "/\\", 63, 77, 14, 15, 63, 77, 14, 15, "Next line"},
        {ctl::PreviousLine, K::PushButton, "\\/", "\\/", 63, 96, 14, 15, 63, 96, 14, 15,
         "Previous line"},
        {ctl::BundleLabel, K::CentredLabel, "Bundle parameter", "Параметр расслоения", 13, 115, 61,
         11, 13, 116, 61, 17, nullptr},
        {ctl::BundleParameter, K::Edit, "", "", 13, 126, 63, 13, 13, 136, 63, 13,
         "Bundle parameter"},
        {ctl::XLabel, K::Label, "X = ", "X = ", 15, 157, 14, 10, 15, 165, 14, 10, nullptr},
        {ctl::XEdit, K::Edit, "", "", 13, 168, 63, 13, 13, 176, 63, 13, "X"},
        {ctl::YLabel, K::Label, "Y = ", "Y = ", 15, 184, 14, 10, 15, 192, 14, 10, nullptr},
        {ctl::YEdit, K::Edit, "", "", 13, 195, 63, 13, 13, 203, 63, 13, "Y"},
        {ctl::AddPoint, K::PushButton, "Add Point", "Добавить", 13, 216, 47, 13, 13, 224, 47, 13,
         nullptr},
        {ctl::DeletePoint, K::PushButton, "Delete", "Удалить", 13, 233, 47, 13, 13, 241, 47, 13,
         nullptr},
        {ctl::SortPoints, K::PushButton, "Sort", "Сортировать", 13, 251, 47, 13, 13, 259, 47, 13,
         nullptr},
        // Beyond the classic panel: the points group grows by a row for it.
        {ctl::TraceCurve, K::PushLikeCheck, "Trace curve", "Обвести кривую", 13, 269, 63, 13, 13,
         277, 63, 13, nullptr},
        {ctl::ShowSpline, K::CheckBox, "Show Spline", "Отобразить сплайн", 13, 300, 83, 10, 13, 308,
         83, 10, nullptr},
        {ctl::SplineAddPoint, K::CheckBox, "Add point", "Добавить точку", 13, 314, 83, 10, 13, 322,
         83, 10, nullptr},
        {ctl::PointsOnSpline, K::PushButton, "Points on spline", "Точки по сплайну", 13, 325, 70,
         13, 13, 333, 70, 13, nullptr},
        {ctl::DeleteBmp, K::PushButton, "Delete", "Удалить", 13, 353, 47, 13, 13, 361, 47, 13,
         "Delete picture"},
        {ctl::ImportBmp, K::PushButton, "Import", "Импорт", 13, 371, 47, 13, 13, 378, 47, 13,
         "Import picture"},
        {ctl::Ok, K::DefaultButton, "OK", "OK", 72, 18, 45, 14, 72, 17, 45, 14, nullptr},
        {ctl::Cancel, K::PushButton, "Cancel", "Cancel", 72, 36, 45, 14, 72, 36, 45, 14, nullptr},
    };
    return layouts;
}

PanelTemplate panelTemplate(bool russian) {
    return russian ? PanelTemplate{149, 404, true} : PanelTemplate{145, 397, false};
}

} // namespace vex
