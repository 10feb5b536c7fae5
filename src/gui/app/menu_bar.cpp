#include "gui/app/menu_bar.h"

#include "core/ui/command_ids.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <vector>

namespace vex {
namespace {

struct Item {
    int id; // 0: separator
    const char* english;
    const char* russian;
};

struct Popup {
    const char* english;
    const char* russian;
    std::vector<Item> items;
    const Popup* submenu = nullptr; // appended after the items
};

const Popup kLanguage{
    "Language",
    "Язык",
    {{cmd::LanguageRussian, "Русский", "Русский"}, {cmd::LanguageEnglish, "English", "English"}}};

const std::vector<Popup> kMenuBar = {
    {"File",
     "Файл",
     {{cmd::OpenBmpImage, "Open BMP image", "Open BMP image"},
      {0, nullptr, nullptr},
      {cmd::NewProject, "New Project", "Новый проект"},
      {cmd::LoadProject, "Load Project", "Загрузить проект"},
      {cmd::SaveProject, "Save Project", "Сохранить проект"},
      {cmd::SaveProjectAs, "Save Project As", "Сохранить проект как"},
      {0, nullptr, nullptr},
      {cmd::Exit, "Exit", "Выход"}}},
    {"Function",
     "Функции",
     {{cmd::SetTheScale, "Set the Scale", "Установить координаты"},
      {cmd::PointsCaptureMode, "Points Capture Mode", "Добавить точки"}}},
    {"Lines",
     "Линии",
     {{cmd::AddLine, "Add Line", "Добавить линию"},
      {cmd::DeleteLine, "Delete Line", "Удалить линию"}}},
    {"Points",
     "Точки",
     {{cmd::AddPoint, "Add point", "Добавить точку"},
      {cmd::DeletePoint, "Delete point", "Удалить точку"},
      {cmd::SortPoints, "Sort points", "Сортировать точки"}}},
    {"Export-Import",
     "Ввод-вывод",
     {{cmd::ExportTable, "Export two-parameter dependence",
       "Экспорт двухпараметрической зависимости"},
      {cmd::ImportTable, "Import two-parameter dependence",
       "Импорт двухпараметрической зависимости"}}},
    {"Settings", "Настройки", {}, &kLanguage},
    {"Help",
     "Помощь",
     {{cmd::About, "About Vexilor", "О Vexilor"},
      {0, nullptr, nullptr},
      {cmd::HelpContent, "Content", "Справка"}}},
};

bool carriesCheckMark(int id) {
    return id == cmd::SetTheScale || id == cmd::PointsCaptureMode || id == cmd::LanguageRussian ||
           id == cmd::LanguageEnglish;
}

void addItems(QMenu& menu, const Popup& popup, bool russian, QHash<int, QAction*>& actions) {
    for (const Item& item : popup.items) {
        if (item.id == 0) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(QString::fromUtf8(russian ? item.russian : item.english));
        action->setData(item.id);
        action->setCheckable(carriesCheckMark(item.id));
        actions.insert(item.id, action);
    }
    if (popup.submenu) {
        QMenu* sub = menu.addMenu(
            QString::fromUtf8(russian ? popup.submenu->russian : popup.submenu->english));
        addItems(*sub, *popup.submenu, russian, actions);
    }
}

} // namespace

QHash<int, QAction*> buildMenuBar(QMenuBar& bar, std::int32_t interfaceLanguage) {
    const bool russian = interfaceLanguage == 1;
    QHash<int, QAction*> actions;
    for (const Popup& popup : kMenuBar) {
        QMenu* menu = bar.addMenu(QString::fromUtf8(russian ? popup.russian : popup.english));
        addItems(*menu, popup, russian, actions);
    }
    return actions;
}

} // namespace vex
