#include "core/ui/edit_kinds.h"

#include "core/ui/command_ids.h"

#include <array>

namespace vex {
namespace {

struct Names {
    const char* english;
    const char* russian;
};

constexpr std::array<Names, 20> kNames = {{
    {"Edit", "правку"},
    {"Capture Point", "захват точки"},
    {"Move Point", "перемещение точки"},
    {"Move Points", "перемещение точек"},
    {"Move Marker", "перемещение маркера"},
    {"Insert Point", "вставку точки"},
    {"Type X", "ввод X"},
    {"Type Y", "ввод Y"},
    {"Type Bundle Parameter", "ввод параметра"},
    {"Calibration", "калибровку"},
    {"Add Point", "добавление точки"},
    {"Delete Point", "удаление точки"},
    {"Add Line", "добавление линии"},
    {"Delete Line", "удаление линии"},
    {"Sort Points", "сортировку точек"},
    {"Points on Spline", "точки на сплайне"},
    {"Paste Table", "вставку таблицы"},
    {"Import Table", "импорт таблицы"},
    {"Trace Curve", "обводку кривой"},
    {"New Line at a Parameter", "новую линию по параметру"},
}};

bool russian(std::int32_t language) {
    return language == 1;
}

} // namespace

std::string editName(EditKind kind, std::int32_t language) {
    const Names& n = kNames.at(static_cast<std::size_t>(kind));
    return russian(language) ? n.russian : n.english;
}

std::string undoWord(std::int32_t language) {
    return russian(language) ? "Отменить" : "Undo";
}

std::string redoWord(std::int32_t language) {
    return russian(language) ? "Повторить" : "Redo";
}

std::string editMenuTitle(std::int32_t language) {
    return russian(language) ? "&Правка" : "&Edit";
}

EditKind editKindOfControl(int controlId) {
    switch (controlId) {
    case ctl::Ok:
    case ctl::Cancel:
        return EditKind::Calibration;
    case ctl::AddLine:
        return EditKind::AddLine;
    case ctl::DeleteLine:
        return EditKind::DeleteLine;
    case ctl::AddPoint:
        return EditKind::AddPoint;
    case ctl::DeletePoint:
        return EditKind::DeletePoint;
    case ctl::SortPoints:
        return EditKind::SortPoints;
    case ctl::PointsOnSpline:
        return EditKind::PointsOnSpline;
    case ctl::XEdit:
        return EditKind::TypeX;
    case ctl::YEdit:
        return EditKind::TypeY;
    case ctl::BundleParameter:
        return EditKind::TypeBundleParameter;
    default:
        return EditKind::Edit;
    }
}

bool typedEdit(EditKind kind) {
    return kind == EditKind::TypeX || kind == EditKind::TypeY ||
           kind == EditKind::TypeBundleParameter;
}

} // namespace vex
