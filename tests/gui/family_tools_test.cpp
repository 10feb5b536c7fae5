// The family tools as a user works them, on a window holding a family drawn
// from f(x; p) = 10 p + x with lines at p = 1, 2, 3 over different X: the
// family table (its grid, its blanks, Copy and Save CSV), reading across,
// a new line at a parameter (one step of the history), and Export CSV.

#include "core/coords/mapping.h"
#include "core/family/family_table.h"
#include "core/io/csv_text.h"
#include "core/ui/command_ids.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

namespace vex {
namespace {

using testing::readBytes;
using testing::WindowFixture;

// Line j (p = j) from X = j - 1 to 9 + j, eleven points; chart X 0..20, Y 0..50.
// At X = 12 only line 3 has points; at X = 1 lines 1 and 2.
void holdFamily(WindowFixture& f) {
    ASSERT_TRUE(f.loadBlankPicture());
    Document& d = f.state().doc;
    d.Xmin = 0, d.Xmax = 20, d.Ymin = 0, d.Ymax = 50;
    d.NLines = 3;
    for (int j = 1; j <= 3; ++j) {
        d.LineParam(j) = static_cast<float>(j);
        d.NPoints(j) = 11;
        for (int k = 1; k <= 11; ++k) {
            d.ArgX(j, k) = static_cast<float>(j - 1 + k - 1);
            d.ValY(j, k) = 10.0f * static_cast<float>(j) + d.ArgX(j, k);
            INVERTARGANDPARTOMOUSEXY(d, d, j, k);
        }
    }
    f.window->refreshAfter(AfterNewDocument);
}

void retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

template <class T> T* named(QDialog& d, const char* name) {
    T* w = d.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

TEST(FamilyTools, TheTableFollowsItsGridCopiesForSpreadsheetsAndSavesCsv) {
    WindowFixture f;
    holdFamily(f);
    ASSERT_TRUE(f.enabled(cmd::FamilyTable));
    const std::string csv = f.files.file("family.csv");
    QStringList row2, headers;
    bool blankBeyondLine1 = false;
    f.prompts.chooseFile(QString::fromStdString(csv));
    f.prompts.onDialog([&](QDialog& d) {
        retype(named<QLineEdit>(d, "From"), "0");
        retype(named<QLineEdit>(d, "To"), "12");
        retype(named<QLineEdit>(d, "Step"), "4");
        auto* table = named<QTableWidget>(d, "table");
        EXPECT_EQ(table->rowCount(), 4); // 0, 4, 8, 12
        for (int c = 0; c < table->columnCount(); ++c) {
            headers << table->horizontalHeaderItem(c)->text();
            row2 << (table->item(2, c) ? table->item(2, c)->text() : QString());
        }
        blankBeyondLine1 = table->item(3, 1) == nullptr; // line 1 ends at X = 10, line 2 at 11
        named<QCheckBox>(d, "extrapolate")->setChecked(true);
        EXPECT_NE(table->item(3, 1), nullptr);
        named<QCheckBox>(d, "extrapolate")->setChecked(false);
        QTest::mouseClick(named<QPushButton>(d, "copy"), Qt::LeftButton);
        QTest::mouseClick(named<QPushButton>(d, "save"), Qt::LeftButton);
        return int(QDialog::Rejected);
    });
    f.run(cmd::FamilyTable);
    EXPECT_EQ(headers, (QStringList{"X", "1", "2", "3"}));
    EXPECT_EQ(row2, (QStringList{"8", "18", "28", "38"}));
    EXPECT_TRUE(blankBeyondLine1);
    const std::string expected = "x,1,2,3\r\n0,10,,\r\n4,14,24,34\r\n8,18,28,38\r\n12,,,42\r\n";
    EXPECT_EQ(readBytes(csv), expected);
    std::string tabs = expected;
    for (char& c : tabs)
        if (c == ',') c = '\t';
    EXPECT_EQ(f.clipboard.get(), tabs);
    EXPECT_TRUE(f.prompts.scriptUsedUp());
}

TEST(FamilyTools, ReadingAcrossSaysHowAndRefusesBeyondTheParameters) {
    WindowFixture f;
    holdFamily(f);
    QStringList results;
    f.prompts.onDialog([&](QDialog& d) {
        retype(named<QLineEdit>(d, "x"), "5");
        retype(named<QLineEdit>(d, "parameter"), "2.5");
        results << named<QLabel>(d, "result")->text();
        retype(named<QLineEdit>(d, "x"), "1"); // lines 1 and 2 only
        retype(named<QLineEdit>(d, "parameter"), "1.5");
        results << named<QLabel>(d, "result")->text();
        retype(named<QLineEdit>(d, "x"), "5");
        retype(named<QLineEdit>(d, "parameter"), "4");
        results << named<QLabel>(d, "result")->text();
        named<QCheckBox>(d, "extrapolate")->setChecked(true);
        results << named<QLabel>(d, "result")->text();
        return int(QDialog::Rejected);
    });
    f.run(cmd::ReadAcross);
    ASSERT_EQ(results.size(), 4);
    EXPECT_EQ(results[0], "Y = 30\nsmooth curve across the parameter through line 1 (p = 1), "
                          "line 2 (p = 2), line 3 (p = 3)");
    EXPECT_EQ(results[1], "Y = 16\nlinear across the parameter between line 1 (p = 1), line 2 "
                          "(p = 2)");
    EXPECT_TRUE(results[2].startsWith("The parameter 4.000000 lies outside"))
        << results[2].toStdString();
    EXPECT_TRUE(results[3].startsWith("Y = 45\n")) << results[3].toStdString();
}

TEST(FamilyTools, ANewLineIsReadAcrossAddedAsOneStepAndExportedAsCsv) {
    WindowFixture f;
    holdFamily(f);
    f.prompts.onDialog([&](QDialog& d) {
        retype(named<QLineEdit>(d, "parameter"), "2.5");
        named<QRadioButton>(d, "byCount")->setChecked(true);
        retype(named<QLineEdit>(d, "From"), "2");
        retype(named<QLineEdit>(d, "To"), "10");
        named<QSpinBox>(d, "count")->setValue(5);
        d.accept();
        return d.result();
    });
    f.run(cmd::NewLineAtParameter);
    const Document& d = f.state().doc;
    ASSERT_EQ(d.NLines, 4);
    EXPECT_EQ(f.state().work.CurLine, 4);
    EXPECT_EQ(d.LineParam(4), 2.5f);
    ASSERT_EQ(d.NPoints(4), 5);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_FLOAT_EQ(d.ArgX(4, k), 2.0f * static_cast<float>(k));
        EXPECT_NEAR(d.ValY(4, k), 25.0 + 2.0 * k, 1e-4);
    }

    const std::string csv = f.files.file("points.csv");
    f.prompts.chooseFile(QString::fromStdString(csv));
    f.run(cmd::ExportCsv);
    EXPECT_EQ(readBytes(csv), pointsCsvText(f.state().doc));
    EXPECT_NE(readBytes(csv).find("\r\n4,2.5,10,"), std::string::npos);

    QTest::keyClick(f.window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f.state().doc.NLines, 3);

    // A grid of more points than a line holds: the dialog says so and stays open.
    bool stayedOpen = false;
    f.prompts.onDialog([&](QDialog& dialog) {
        retype(named<QLineEdit>(dialog, "parameter"), "2.5");
        named<QRadioButton>(dialog, "byCount")->setChecked(true);
        named<QSpinBox>(dialog, "count")->setValue(201);
        dialog.accept();
        stayedOpen = dialog.result() != QDialog::Accepted;
        return int(QDialog::Rejected);
    });
    f.run(cmd::NewLineAtParameter);
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(f.prompts.shown().size(), 1u);
    EXPECT_EQ(f.state().doc.NLines, 3);
}

} // namespace
} // namespace vex
