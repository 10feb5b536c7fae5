#include "core/state/app_state.h"
#include "gui/panel/coordinate_range_dialog.h"
#include "gui/platform/scripted_prompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace vex {
namespace {

QLineEdit* edit(QDialog& d, const char* name) {
    auto* e = d.findChild<QLineEdit*>(QString::fromLatin1(name));
    EXPECT_NE(e, nullptr) << name;
    return e;
}

// Wipes the edit the way a user does, then types `text` key by key.
void retype(QDialog& d, const char* name, const QString& text) {
    QLineEdit* e = edit(d, name);
    QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(e, Qt::Key_Backspace);
    QTest::keyClicks(e, text);
}

QLabel* labelOf(QDialog& d, QWidget* buddy) {
    for (QLabel* l : d.findChildren<QLabel*>())
        if (l->buddy() == buddy) return l;
    return nullptr;
}

void press(QDialog& d, const char* button) {
    d.findChild<QPushButton*>(QString::fromLatin1(button))->click();
}

using Typing = std::vector<std::pair<const char*, QString>>;

// A dialog script: type into the edits in order, then press the button.
ScriptedPrompts::DialogScript typeThenPress(Typing typing, const char* button) {
    return [typing = std::move(typing), button](QDialog& d) {
        for (const auto& [name, text] : typing) retype(d, name, text);
        press(d, button);
        return d.result();
    };
}

struct RangeDialogRun {
    AppState s;
    ScriptedPrompts prompts;

    int run() { return SETRANGEOFCOORDINATE_DIALOG(s, prompts, nullptr, nullptr, nullptr); }
    QStringList messages() const {
        QStringList texts;
        for (const auto& m : prompts.shown()) {
            EXPECT_EQ(m.kind, MessageKind::Warning);
            texts << m.text;
        }
        return texts;
    }
};

const QString ArgumentMessage =
    QStringLiteral("The minimum value of the argument is greater than the maximum");
const QString ValueMessage =
    QStringLiteral("The minimum value of the parameter is greater than the maximum");

TEST(RangeDialogLayout, ShowsTheRangesTrimmedInTheTemplateLayout) {
    RangeDialogRun r;
    r.s.doc.Ymin = -2.5f;
    r.s.doc.Ymax = 1234.5f;
    QStringList texts, names;
    QString title;
    r.prompts.onDialog([&](QDialog& d) {
        title = d.windowTitle();
        for (const char* name : {"xmin", "xmax", "ymin", "ymax"}) {
            texts << edit(d, name)->text();
            names << edit(d, name)->accessibleName();
        }
        EXPECT_TRUE(d.findChild<QPushButton*>("ok")->isDefault());

        // Rows downwards, each label left of its edit, buttons below, all inside.
        const QRect area = d.rect();
        int lastBottom = 0;
        for (const char* name : {"xmin", "xmax", "ymin", "ymax"}) {
            const QRect e = edit(d, name)->geometry();
            QLabel* label = labelOf(d, edit(d, name));
            EXPECT_TRUE(label != nullptr && label->geometry().right() < e.left()) << name;
            EXPECT_GT(e.top(), lastBottom) << name;
            EXPECT_TRUE(area.contains(e)) << name;
            lastBottom = e.bottom();
        }
        const QRect ok = d.findChild<QPushButton*>("ok")->geometry();
        const QRect cancel = d.findChild<QPushButton*>("cancel")->geometry();
        EXPECT_GT(ok.top(), lastBottom);
        EXPECT_LT(ok.right(), cancel.left());
        EXPECT_TRUE(area.contains(cancel));

        press(d, "cancel");
        return d.result();
    });
    EXPECT_EQ(r.run(), 0);
    EXPECT_EQ(title, "Coordinate system");
    EXPECT_EQ(texts, (QStringList{"0.000000", "1.000000", "-2.500000", "1234.500"}));
    EXPECT_EQ(names, (QStringList{"Xmin", "Xmax", "Ymin", "Ymax"}));
}

TEST(RangeDialogOk, MovesAFaultyMinimumOneUnitBelowItsMaximum) {
    {
        RangeDialogRun r; // typed above the maximum
        r.prompts.onDialog(typeThenPress({{"xmin", "5"}}, "ok"));
        EXPECT_EQ(r.run(), 1);
        EXPECT_EQ(r.messages(), QStringList{ArgumentMessage});
        EXPECT_EQ(r.s.doc.Xmin, 0.0f);
        EXPECT_EQ(r.s.doc.Xmax, 1.0f);
    }
    {
        RangeDialogRun r; // equal counts as wrong
        r.s.doc.Xmin = r.s.doc.Xmax = 2.0f;
        r.prompts.onDialog(typeThenPress({}, "ok"));
        EXPECT_EQ(r.run(), 1);
        EXPECT_EQ(r.messages(), QStringList{ArgumentMessage});
        EXPECT_EQ(r.s.doc.Xmin, 1.0f);
    }
    {
        RangeDialogRun r; // both reversed: the argument first
        r.prompts.onDialog(typeThenPress({{"ymax", "-3"}, {"xmax", "-7"}}, "ok"));
        EXPECT_EQ(r.run(), 1);
        EXPECT_EQ(r.messages(), (QStringList{ArgumentMessage, ValueMessage}));
        EXPECT_EQ(r.s.doc.Xmin, -8.0f);
        EXPECT_EQ(r.s.doc.Ymin, -4.0f);
        EXPECT_EQ(r.s.doc.Ymax, -3.0f);
    }
    {
        RangeDialogRun
            r; // a sound argument range passes; the warning speaks the interface language
        r.s.InterfaceLanguage = 1;
        r.prompts.onDialog(
            typeThenPress({{"xmin", "-10"}, {"ymax", "250"}, {"ymin", "300"}}, "ok"));
        EXPECT_EQ(r.run(), 1);
        EXPECT_EQ(r.messages(),
                  QStringList{"Значение минимального параметра больше, чем максимального"});
        EXPECT_EQ(r.s.doc.Xmin, -10.0f);
        EXPECT_EQ(r.s.doc.Ymin, 249.0f);
    }
}

// Ranges that once closed the dialog and then gave chart values or a project
// file that cannot be read: OK keeps the dialog open with a warning, and
// Cancel still puts back what it opened with.
TEST(RangeDialogOk, StaysOpenWhileARangeCannotBeUsed) {
    const QString tail = QStringLiteral(
        " cannot be used as a range: the two must differ, and the chart values around them must "
        "stay within the numbers the program can store.");
    const std::pair<Typing, QString> cases[] = {
        {{{"xmax", "1e999"}}, "The number 1e999 is too large to be stored. Nothing was changed."},
        {{{"xmin", "1e10"}, {"xmax", "1e10"}},
         "Xmin = 1.0000000E+10 and Xmax = 1.0000000E+10" + tail},
        {{{"ymin", "-3e38"}, {"ymax", "3e38"}},
         "Ymin = -3.0000000E+38 and Ymax = 3.0000000E+38" + tail},
        // Values are measured down from Ymax: ten ranges above it overflow.
        {{{"ymax", "3.24e37"}}, "Ymin = 0.000000 and Ymax = 3.2400000E+37" + tail},
    };
    for (const auto& [typing, message] : cases) {
        SCOPED_TRACE(message.toStdString());
        RangeDialogRun r;
        const Calibration opened = r.s.doc;
        int afterOk = -1;
        r.prompts.onDialog([&, typing = typing](QDialog& d) {
            for (const auto& [name, text] : typing) retype(d, name, text);
            press(d, "ok");
            afterOk = d.result();
            press(d, "cancel");
            return d.result();
        });
        EXPECT_EQ(r.run(), 0);
        EXPECT_EQ(afterOk, 0); // OK did not close it
        EXPECT_EQ(r.messages(), QStringList{message});
        EXPECT_EQ(r.s.doc.Xmin, opened.Xmin);
        EXPECT_EQ(r.s.doc.Xmax, opened.Xmax);
        EXPECT_EQ(r.s.doc.Ymin, opened.Ymin);
        EXPECT_EQ(r.s.doc.Ymax, opened.Ymax);
    }
}

QCheckBox* logBox(QDialog& d, const char* name) {
    auto* box = d.findChild<QCheckBox*>(QString::fromLatin1(name));
    EXPECT_NE(box, nullptr) << name;
    return box;
}

// The scales and the mapping are taken in by OK alone; a logarithmic axis
// with an end that is not positive, before or after the repair of an
// inverted range, keeps the dialog open and changes nothing.
TEST(RangeDialogOk, ALogarithmicAxisNeedsPositiveEndsAndTheOptionsWaitForOk) {
    const QString notPositive = QStringLiteral(
        " cannot be used on a logarithmic axis: both ends of a logarithmic axis must be positive, "
        "the minimum below the maximum. Nothing was changed.");
    const std::pair<Typing, QString> refused[] = {
        {{}, "Xmin = 0.000000 and Xmax = 1.000000" + notPositive},
        {{{"xmin", "5"}}, "Xmin = 5.000000 and Xmax = 1.000000" + notPositive}, // repaired to 0
    };
    for (const auto& [typing, message] : refused) {
        RangeDialogRun r;
        int afterOk = -1;
        r.prompts.onDialog([&, typing = typing](QDialog& d) {
            for (const auto& [name, text] : typing) retype(d, name, text);
            logBox(d, "logx")->setChecked(true);
            press(d, "ok");
            afterOk = d.result();
            press(d, "cancel");
            return d.result();
        });
        EXPECT_EQ(r.run(), 0);
        EXPECT_EQ(afterOk, 0);
        EXPECT_EQ(r.messages(), QStringList{message});
        EXPECT_EQ(r.s.doc.XScale, AxisScale::Linear);
        EXPECT_EQ(r.s.doc.Xmin, 0.0f);
    }
    {
        RangeDialogRun r; // mended, then OK takes everything in
        r.prompts.onDialog([](QDialog& d) {
            retype(d, "xmin", "0.5");
            logBox(d, "logx")->setChecked(true);
            d.findChild<QComboBox*>(QStringLiteral("mapping"))->setCurrentIndex(1);
            press(d, "ok");
            return d.result();
        });
        EXPECT_EQ(r.run(), 1);
        EXPECT_TRUE(r.messages().isEmpty());
        EXPECT_EQ(r.s.doc.XScale, AxisScale::Logarithmic);
        EXPECT_EQ(r.s.doc.YScale, AxisScale::Linear);
        EXPECT_EQ(r.s.doc.Mapping, QuadMapping::Projective);
        // Opened again, the dialog shows them; Cancel leaves them as they were.
        r.s.InterfaceLanguage = 1;
        QString shown;
        r.prompts.onDialog([&shown](QDialog& d) {
            EXPECT_TRUE(logBox(d, "logx")->isChecked());
            shown = logBox(d, "logy")->text();
            logBox(d, "logy")->setChecked(true);
            press(d, "cancel");
            return d.result();
        });
        EXPECT_EQ(r.run(), 0);
        EXPECT_EQ(shown, QString::fromUtf8("Логарифмическая ось Y"));
        EXPECT_EQ(r.s.doc.YScale, AxisScale::Linear);
        EXPECT_EQ(r.s.doc.XScale, AxisScale::Logarithmic);
    }
}

TEST(RangeDialogTyping, StoresEachReadableChangeAtOnceAndIgnoresTheRest) {
    RangeDialogRun r;
    r.s.doc.Xmax = 12.3456789f; // more figures than the edit shows: untouched, so not rounded
    std::vector<float> seen;
    r.prompts.onDialog([&](QDialog& d) {
        retype(d, "ymax", ""); // cleared: keeps its last readable value
        seen.push_back(r.s.doc.Ymax);
        QTest::keyClicks(edit(d, "ymax"), "7");
        seen.push_back(r.s.doc.Ymax); // stored while typing, before OK
        QTest::keyClick(edit(d, "ymax"), Qt::Key_Backspace);
        seen.push_back(r.s.doc.Ymax);
        QTest::keyClicks(edit(d, "ymax"), "x");
        seen.push_back(r.s.doc.Ymax);
        retype(d, "xmin", "1,5"); // the comma ends the number
        seen.push_back(r.s.doc.Xmin);
        retype(d, "ymin", "2.5e0 9");
        seen.push_back(r.s.doc.Ymin);
        press(d, "ok");
        return d.result();
    });
    EXPECT_EQ(r.run(), 1);
    EXPECT_EQ(seen, (std::vector<float>{1.0f, 7.0f, 7.0f, 7.0f, 1.0f, 2.5f}));
    EXPECT_TRUE(r.prompts.shown().empty());
    EXPECT_EQ(r.s.doc.Xmin, 1.0f);
    EXPECT_EQ(r.s.doc.Xmax, 12.3456789f);
    EXPECT_EQ(r.s.doc.Ymax, 7.0f);
    EXPECT_EQ(r.s.doc.Ymin, 2.5f);
}

TEST(RangeDialogCancel, RestoresTheOpeningRangesAndStillRecomputesTheSearchBox) {
    RangeDialogRun r;
    r.s.doc.Xmin = -1.0f;
    r.s.doc.Ymax = 30.0f;
    r.s.work.PerspectiveDistance = 123.0f; // the reset markers give 10000
    const Calibration opened = r.s.doc;
    float typedXmin = 0.0f;
    r.prompts.onDialog([&](QDialog& d) {
        retype(d, "xmin", "5");
        retype(d, "ymin", "40");
        typedXmin = r.s.doc.Xmin;
        press(d, "cancel");
        return d.result();
    });
    EXPECT_EQ(r.run(), 0);
    EXPECT_EQ(typedXmin, 5.0f);
    EXPECT_TRUE(r.prompts.shown().empty()); // no checks on Cancel
    EXPECT_EQ(r.s.doc.Xmin, opened.Xmin);
    EXPECT_EQ(r.s.doc.Xmax, opened.Xmax);
    EXPECT_EQ(r.s.doc.Ymin, opened.Ymin);
    EXPECT_EQ(r.s.doc.Ymax, opened.Ymax);
    EXPECT_EQ(r.s.work.PerspectiveDistance, 10000.0f);

    // Escape closes the same way.
    r.prompts.onDialog([&](QDialog& d) {
        retype(d, "xmax", "-4");
        QTest::keyClick(&d, Qt::Key_Escape);
        return d.result();
    });
    EXPECT_EQ(r.run(), 0);
    EXPECT_EQ(r.s.doc.Xmax, opened.Xmax);

    // After OK the search box is recomputed too.
    r.s.work.PerspectiveDistance = 123.0f;
    r.prompts.onDialog(typeThenPress({}, "ok"));
    EXPECT_EQ(r.run(), 1);
    EXPECT_EQ(r.s.work.PerspectiveDistance, 10000.0f);
}

TEST(RangeDialogOwner, PanelAndHostAreDisabledOnlyWhileTheDialogIsOpen) {
    AppState s;
    ScriptedPrompts prompts;
    QWidget owner, panel, host;
    bool panelOn = true, hostOn = true;
    QWidget* parent = nullptr;
    prompts.onDialog([&](QDialog& d) {
        panelOn = panel.isEnabled();
        hostOn = host.isEnabled();
        parent = d.parentWidget();
        press(d, "ok");
        return d.result();
    });
    EXPECT_EQ(SETRANGEOFCOORDINATE_DIALOG(s, prompts, &owner, &panel, &host), 1);
    EXPECT_FALSE(panelOn);
    EXPECT_FALSE(hostOn);
    EXPECT_EQ(parent, &owner);
    EXPECT_TRUE(panel.isEnabled());
    EXPECT_TRUE(host.isEnabled());

    prompts.onDialog(typeThenPress({}, "cancel"));
    EXPECT_EQ(SETRANGEOFCOORDINATE_DIALOG(s, prompts, nullptr, &panel, nullptr), 0);
    EXPECT_TRUE(panel.isEnabled());
    EXPECT_TRUE(prompts.scriptUsedUp());
}

} // namespace
} // namespace vex
