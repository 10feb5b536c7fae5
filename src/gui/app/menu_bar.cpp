#include "gui/app/menu_bar.h"

#include "core/ui/command_ids.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <vector>

namespace vex {
namespace {

// The texts carry their mnemonics: '&' before the letter that Alt (or the
// open menu) takes.
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

const Popup kLanguage{"&Language",
                      "&Язык",
                      {{cmd::LanguageRussian, "&Русский", "&Русский"},
                       {cmd::LanguageEnglish, "&English", "&English"}}};

const std::vector<Popup> kMenuBar = {
    {"&File",
     "&Файл",
     {{cmd::OpenBmpImage, "Open &BMP image", "Open &BMP image"},
      {cmd::PasteImage, "Paste &image", "&Вставить изображение"},
      {0, nullptr, nullptr},
      {cmd::NewProject, "&New Project", "&Новый проект"},
      {cmd::LoadProject, "&Load Project", "&Загрузить проект"},
      {cmd::SaveProject, "&Save Project", "&Сохранить проект"},
      {cmd::SaveProjectAs, "Save Project &As", "Сохранить проект &как"},
      {0, nullptr, nullptr},
      {cmd::Exit, "E&xit", "В&ыход"}}},
    {"F&unction",
     "Ф&ункции",
     {{cmd::SetTheScale, "Set the &Scale", "&Установить координаты"},
      {cmd::PointsCaptureMode, "Points &Capture Mode", "&Добавить точки"}}},
    {"&Lines",
     "&Линии",
     {{cmd::AddLine, "&Add Line", "&Добавить линию"},
      {cmd::DeleteLine, "&Delete Line", "&Удалить линию"}}},
    {"&Points",
     "&Точки",
     {{cmd::AddPoint, "&Add point", "&Добавить точку"},
      {cmd::DeletePoint, "&Delete point", "&Удалить точку"},
      {cmd::SortPoints, "&Sort points", "&Сортировать точки"},
      {cmd::TraceCurve, "&Trace curve", "&Обвести кривую"}}},
    {"Export-&Import",
     "&Ввод-вывод",
     {{cmd::ExportTable, "&Export two-parameter dependence",
       "&Экспорт двухпараметрической зависимости"},
      {cmd::ImportTable, "&Import two-parameter dependence",
       "&Импорт двухпараметрической зависимости"},
      {cmd::ExportCsv, "Export &CSV…", "Экспорт &CSV…"},
      {cmd::FamilyTable, "&Family table…", "&Таблица семейства…"},
      {cmd::ReadAcross, "&Read across the family…", "&Чтение поперёк семейства…"},
      {cmd::NewLineAtParameter, "&New line at a parameter…", "&Новая линия по параметру…"}}},
    {"&Settings", "&Настройки", {}, &kLanguage},
    {"&Help",
     "П&омощь",
     {{cmd::About, "&About Vexilor", "&О Vexilor"},
      {0, nullptr, nullptr},
      {cmd::HelpContent, "&Content", "&Справка"}}},
};

bool carriesCheckMark(int id) {
    return id == cmd::SetTheScale || id == cmd::PointsCaptureMode || id == cmd::TraceCurve ||
           id == cmd::LanguageRussian || id == cmd::LanguageEnglish;
}

// The platform's keys for a standard command; where its scheme has none
// (Windows has no Save As or Quit key) the keys a Linux desktop uses.
QList<QKeySequence> standardKeys(QKeySequence::StandardKey key, const QKeySequence& usual) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    if (keys.isEmpty()) keys.append(usual);
    return keys;
}

// The keys a desktop user expects of these commands, shown in the menus.
QList<QKeySequence> shortcutsOf(int id) {
    switch (id) {
    case cmd::PasteImage:
        return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)};
    case cmd::OpenBmpImage:
        return {QKeySequence(Qt::CTRL | Qt::Key_I)};
    case cmd::NewProject:
        return standardKeys(QKeySequence::New, Qt::CTRL | Qt::Key_N);
    case cmd::LoadProject:
        return standardKeys(QKeySequence::Open, Qt::CTRL | Qt::Key_O);
    case cmd::SaveProject:
        return standardKeys(QKeySequence::Save, Qt::CTRL | Qt::Key_S);
    case cmd::SaveProjectAs:
        return standardKeys(QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    case cmd::Exit:
        return standardKeys(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q);
    case cmd::HelpContent:
        return standardKeys(QKeySequence::HelpContents, Qt::Key_F1);
    default:
        return {};
    }
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
        action->setShortcuts(shortcutsOf(item.id));
        actions.insert(item.id, action);
    }
    if (popup.submenu) {
        QMenu* sub = menu.addMenu(
            QString::fromUtf8(russian ? popup.submenu->russian : popup.submenu->english));
        addItems(*sub, *popup.submenu, russian, actions);
    }
}

bool holds(const QMenu& menu, const QAction* command) {
    for (const QAction* a : menu.actions())
        if (a == command || (a->menu() && holds(*a->menu(), command))) return true;
    return false;
}

} // namespace

QMenu* menuHolding(const QMenuBar& bar, const QAction* command) {
    for (const QAction* top : bar.actions())
        if (top->menu() && holds(*top->menu(), command)) return top->menu();
    return nullptr;
}

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
