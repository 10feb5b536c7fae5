// What a screen reader finds: a name on every control it can act on, and no
// toolbar separator passed off as a button.
#include "core/state/app_state.h"
#include "gui/app/help_window.h"
#include "gui/app/toolbar_widget.h"
#include "gui/panel/coordinate_range_dialog.h"
#include "gui/panel/points_on_spline_dialog.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QDialog>

namespace vex {
namespace {

using testing::WindowFixture;

bool actedOn(QAccessible::Role role) {
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::MenuItem:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::PageTab:
        return true;
    default:
        return false;
    }
}

QString describe(QAccessibleInterface* node) {
    const QObject* o = node->object();
    return QStringLiteral("role %1 %2 \"%3\"")
        .arg(int(node->role()))
        .arg(o ? QString::fromLatin1(o->metaObject()->className()) : QStringLiteral("-"))
        .arg(o ? o->objectName() : QString());
}

// Every control under `node` that a screen reader would announce without a
// name (one to act on, or any the focus can reach), each with the names of
// the nodes above it.
void collectNameless(QAccessibleInterface* node, const QString& path, QStringList& found,
                     int depth = 0) {
    ASSERT_LT(depth, 40) << path.toStdString();
    const QString name = node->text(QAccessible::Name);
    if ((actedOn(node->role()) || node->state().focusable) && name.trimmed().isEmpty())
        found << path + QStringLiteral(" / ") + describe(node);
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface* child = node->child(i))
            collectNameless(child, path + QStringLiteral(" / ") + name, found, depth + 1);
}

// One line per nameless control, empty when there is none.
std::string namelessIn(QObject* root) {
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(root);
    EXPECT_NE(node, nullptr);
    QStringList found;
    if (node) collectNameless(node, node->text(QAccessible::Name), found);
    return found.join('\n').toStdString();
}

TEST(ScreenReader, EveryControlOfTheWindowAndItsDialogsHasAName) {
    for (int language : {0, 1}) {
        SCOPED_TRACE(language);
        WindowFixture f(language);
        const std::int32_t lang = f.state().InterfaceLanguage;
        EXPECT_EQ(namelessIn(f.window.get()), "");

        // The toolbar offers its six commands as buttons, and its two separators as none.
        QStringList toolbarButtons;
        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(&f.window->toolbar());
        for (int i = 0; i < bar->childCount(); ++i)
            if (bar->child(i)->role() == QAccessible::Button)
                toolbarButtons << bar->child(i)->text(QAccessible::Name);
        EXPECT_EQ(toolbarButtons.join(" | ").toStdString(),
                  lang == 1 ? "Новый | Загрузить | Сохранить | Сохранить как | Режим установки "
                              "системы координат | Режим добавления точек"
                            : "New | Load | Save | Save as | Set the Scale | Points Capture Mode");

        std::string about = "no About box";
        f.prompts.onDialog([&](QDialog& d) {
            about = namelessIn(&d);
            return int(QDialog::Accepted);
        });
        f.run(cmd::About);
        EXPECT_EQ(about, "");
        f.run(cmd::HelpContent);
        EXPECT_EQ(namelessIn(f.window->findChild<HelpWindow*>()), "");

        Calibration cal;
        CoordinateRangeDialog ranges(cal, f.prompts, lang);
        EXPECT_EQ(namelessIn(&ranges), "");
        std::int32_t count = 10;
        PointsOnSplineDialog points(count, lang);
        EXPECT_EQ(namelessIn(&points), "");
    }
}

} // namespace
} // namespace vex
