#include "core/state/app_state.h"
#include "gui/panel/points_on_spline_dialog.h"
#include "gui/platform/scripted_prompts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace vex {
namespace {

// Five hand-captured points on line 2, unevenly spaced.
AppState stateWithCapturedLine() {
    AppState s;
    s.doc.NLines = 2;
    s.work.CurLine = 2;
    s.work.SplineShown = 1;
    const float xs[] = {30.0f, 42.0f, 75.0f, 81.0f, 130.0f};
    const float ys[] = {200.0f, 170.0f, 150.0f, 151.0f, 90.0f};
    s.doc.NPoints(2) = 5;
    for (int k = 1; k <= 5; ++k) {
        s.doc.PixX(2, k) = xs[k - 1];
        s.doc.PixY(2, k) = ys[k - 1];
    }
    return s;
}

QLineEdit* countEdit(QDialog& d) {
    auto* e = d.findChild<QLineEdit*>(QStringLiteral("count"));
    EXPECT_NE(e, nullptr);
    return e;
}

// A dialog script that wipes the count, types `text` and presses the button.
ScriptedPrompts::DialogScript type(const QString& text, const char* button = "ok") {
    return [text, button](QDialog& d) {
        QLineEdit* e = countEdit(d);
        QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, text);
        d.findChild<QPushButton*>(QString::fromLatin1(button))->click();
        return d.result();
    };
}

TEST(PointsOnSplineCount, PointsMaxIsTheLargestCountTaken) {
    AppState s = stateWithCapturedLine();
    ScriptedPrompts prompts;
    prompts.onDialog(type("200"));
    EXPECT_TRUE(SetNumPointsOnLine(s, prompts, nullptr));
    EXPECT_TRUE(prompts.shown().empty());
    EXPECT_EQ(s.doc.NPoints(2), 200);
    EXPECT_NEAR(s.doc.PixX(2, 200), 130.0f, 1e-3);

    s = stateWithCapturedLine();
    const Dep2D before = s.doc;
    prompts.onDialog(type("201"));
    EXPECT_FALSE(SetNumPointsOnLine(s, prompts, nullptr));
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.shown()[0].kind, MessageKind::Warning);
    EXPECT_EQ(prompts.shown()[0].text, "Number of points on line must be lower than 200");
    EXPECT_EQ(s.work.SplineNumPoints, 201);
    EXPECT_EQ(s.doc, before);
}

TEST(PointsOnSplineCount, FewerThanTwoPointsAreRefused) {
    for (const char* typed : {"1", "0", "-5"}) {
        AppState s = stateWithCapturedLine();
        s.InterfaceLanguage = 1;
        const Dep2D before = s.doc;
        ScriptedPrompts prompts;
        prompts.onDialog(type(typed));
        EXPECT_FALSE(SetNumPointsOnLine(s, prompts, nullptr)) << typed;
        ASSERT_EQ(prompts.shown().size(), 1u) << typed;
        EXPECT_EQ(prompts.shown()[0].kind, MessageKind::Warning);
        EXPECT_EQ(prompts.shown()[0].text, "Количество точек на линии должно быть не меньше 2");
        EXPECT_EQ(s.doc.NPoints(2), before.NPoints(2));
        EXPECT_EQ(s.doc.PixX, before.PixX);
        EXPECT_EQ(s.doc.PixY, before.PixY);
    }
}

TEST(PointsOnSplineCount, TheCurrentCountStillSpreadsThePointsEvenly) {
    AppState s = stateWithCapturedLine();
    s.work.CurPoint = 4;
    const Dep2D before = s.doc;
    ScriptedPrompts prompts;
    prompts.onDialog(type("5"));
    EXPECT_TRUE(SetNumPointsOnLine(s, prompts, nullptr));
    ASSERT_EQ(s.doc.NPoints(2), 5);
    for (int k = 1; k <= 5; ++k)
        EXPECT_NEAR(s.doc.PixX(2, k), 30.0f + 25.0f * float(k - 1), 1e-4) << k;
    EXPECT_NE(s.doc.PixY(2, 2), before.PixY(2, 2)); // re-evaluated at the new abscissa
    EXPECT_EQ(s.work.CurPoint, 4);
    EXPECT_EQ(s.doc.ArgX, before.ArgX);
}

TEST(PointsOnSplineCancel, LeavesTheLineButKeepsTheTypedCount) {
    AppState s = stateWithCapturedLine();
    const Dep2D before = s.doc;
    ScriptedPrompts prompts;
    prompts.onDialog(type("7", "cancel"));
    EXPECT_FALSE(SetNumPointsOnLine(s, prompts, nullptr));
    EXPECT_TRUE(prompts.shown().empty());
    EXPECT_EQ(s.work.SplineNumPoints, 7);
    EXPECT_EQ(s.doc, before);
}

TEST(PointsOnSplineDialog, OpensWithTheLastCountAndReadsOnlyIntegers) {
    AppState s = stateWithCapturedLine();
    ScriptedPrompts prompts;
    QStringList shownCounts;
    auto look = [&](QDialog& d) {
        shownCounts << countEdit(d)->text();
        d.findChild<QPushButton*>("cancel")->click();
        return d.result();
    };
    prompts.onDialog(look); // after a reset
    SetNumPointsOnLine(s, prompts, nullptr);
    prompts.onDialog(type("37", "cancel"));
    SetNumPointsOnLine(s, prompts, nullptr);
    prompts.onDialog(look);
    SetNumPointsOnLine(s, prompts, nullptr);
    EXPECT_EQ(shownCounts, (QStringList{"0", "37"}));

    // An unreadable text keeps the last readable count; a blank ends the number.
    prompts.onDialog(type("x9"));
    EXPECT_TRUE(SetNumPointsOnLine(s, prompts, nullptr));
    EXPECT_EQ(s.doc.NPoints(2), 37);
    prompts.onDialog(type("9 points"));
    EXPECT_TRUE(SetNumPointsOnLine(s, prompts, nullptr));
    EXPECT_EQ(s.doc.NPoints(2), 9);
}

TEST(PointsOnSplineDialog, AsksInTheInterfaceLanguage) {
    for (const auto& [language, expected] :
         {std::pair{2, QStringLiteral("Enter the number of points:")},
          std::pair{1, QStringLiteral("Введите количество точек:")}}) {
        AppState s;
        s.InterfaceLanguage = language;
        ScriptedPrompts prompts;
        QString prompt, accessible;
        prompts.onDialog([&](QDialog& d) {
            prompt = d.findChild<QLabel*>("prompt")->text();
            accessible = countEdit(d)->accessibleName();
            return int(QDialog::Rejected);
        });
        SetNumPointsOnLine(s, prompts, nullptr);
        EXPECT_EQ(prompt, expected);
        EXPECT_EQ(accessible, expected);
    }
}

} // namespace
} // namespace vex
