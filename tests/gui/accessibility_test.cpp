// What a screen reader finds: a name on every control it can act on, no
// toolbar separator passed off as a button, and edits that take a value set
// through the accessibility interface as if it had been typed.
#include "core/state/app_state.h"
#include "gui/app/help_window.h"
#include "gui/app/toolbar_widget.h"
#include "gui/panel/coordinate_range_dialog.h"
#include "gui/panel/points_on_spline_dialog.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QDialog>
#include <QTest>

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

QAccessibleInterface* findNamed(QAccessibleInterface* node, QAccessible::Role role,
                                const QString& name) {
    if (node->role() == role && node->text(QAccessible::Name) == name) return node;
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface* child = node->child(i))
            if (QAccessibleInterface* hit = findNamed(child, role, name)) return hit;
    return nullptr;
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

// A value a screen reader sets counts as typed: OK gives the ranges set that
// way, the warnings included; the point count and the panel's edits are read
// back the same way.
TEST(ScreenReader, ValuesSetThroughTheAccessibilityInterfaceAreTaken) {
    AppState s;
    ScriptedPrompts prompts;
    prompts.onDialog([](QDialog& d) {
        QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(&d);
        QAccessibleInterface* xmin = findNamed(dialog, QAccessible::EditableText, "Xmin");
        QAccessibleInterface* ymin = findNamed(dialog, QAccessible::EditableText, "Ymin");
        QAccessibleInterface* ymax = findNamed(dialog, QAccessible::EditableText, "Ymax");
        QAccessibleInterface* ok = findNamed(dialog, QAccessible::Button, "OK");
        EXPECT_TRUE(xmin && ymin && ymax && ok);
        if (!(xmin && ymin && ymax && ok) || !ymax->editableTextInterface())
            return int(QDialog::Rejected);
        xmin->setText(QAccessible::Value, QStringLiteral("-10"));
        ymin->setText(QAccessible::Value, QStringLiteral("300"));
        ymax->editableTextInterface()->replaceText(0, int(ymax->text(QAccessible::Value).size()),
                                                   QStringLiteral("250"));
        ok->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        // The press is an animated click, over in a moment.
        EXPECT_TRUE(QTest::qWaitFor([&d] { return d.result() == QDialog::Accepted; }));
        return d.result();
    });
    EXPECT_EQ(SETRANGEOFCOORDINATE_DIALOG(s, prompts, nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(s.doc.Xmin, -10.0f);
    EXPECT_EQ(s.doc.Xmax, 1.0f);
    EXPECT_EQ(s.doc.Ymax, 250.0f);
    EXPECT_EQ(s.doc.Ymin, 249.0f); // moved below the maximum, with the warning
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.shown().front().text,
              "The minimum value of the parameter is greater than the maximum");

    std::int32_t count = 10;
    PointsOnSplineDialog points(count, 2);
    QAccessibleInterface* edit =
        findNamed(QAccessible::queryAccessibleInterface(&points), QAccessible::EditableText,
                  QStringLiteral("Enter the number of points:"));
    ASSERT_NE(edit, nullptr);
    edit->setText(QAccessible::Value, QStringLiteral("37"));
    EXPECT_EQ(count, 37);

    // The panel's edits too: the bundle parameter is stored and can be undone
    // as if typed, and an edit out of the user's reach takes nothing.
    WindowFixture f;
    ASSERT_TRUE(f.loadBlankPicture());
    Dep2D& d = f.state().doc;
    d.NPoints(1) = 2;
    d.PixX(1, 1) = 100.0f, d.PixY(1, 1) = 100.0f;
    d.PixX(1, 2) = 200.0f, d.PixY(1, 2) = 150.0f;
    f.window->dialogPartnership();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(f.window.get());
    QAccessibleInterface* bundle =
        findNamed(window, QAccessible::EditableText, QStringLiteral("Bundle parameter"));
    QAccessibleInterface* xGrid = findNamed(window, QAccessible::EditableText, "XGrid");
    ASSERT_TRUE(bundle && xGrid);
    ASSERT_TRUE(bundle->state().focusable && !bundle->state().disabled);
    bundle->setText(QAccessible::Value, QStringLiteral("2.5"));
    EXPECT_EQ(d.LineParam(1), 2.5f);
    EXPECT_NE(findNamed(window, QAccessible::MenuItem, "Undo Type Bundle Parameter"), nullptr);
    ASSERT_TRUE(xGrid->state().invisible); // outside the calibration
    const std::int32_t grid = f.state().work.XGrid;
    xGrid->setText(QAccessible::Value, QString::number(grid + 3));
    EXPECT_EQ(f.state().work.XGrid, grid);
}

} // namespace
} // namespace vex
