#include "gui/panel/coordinate_range_dialog.h"

#include "core/coords/search_box.h"
#include "core/io/number_text.h"
#include "core/messages/user_message.h"
#include "core/state/app_state.h"
#include "core/ui/range_entry.h"
#include "gui/panel/dialog_units.h"
#include "gui/platform/in_language.h"
#include "gui/platform/prompts.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vex {
namespace {

// Layout of the dialog in dialog units.
constexpr int DialogWidth = 137;
constexpr int AxesTop = 80;     // the scale and mapping rows, below the ranges
constexpr int ButtonsTop = 123; // OK and Cancel, below them
constexpr int DialogHeight = 144;
constexpr int EditLength = 80; // characters an edit holds

// The English text, which is also the accessible name in either language,
// and the Russian one.
struct AxesText {
    const char* english;
    const char* russian;
};
constexpr AxesText LogXText{"Logarithmic X axis", "Логарифмическая ось X"};
constexpr AxesText LogYText{"Logarithmic Y axis", "Логарифмическая ось Y"};
constexpr AxesText MappingText{"Mapping:", "Отображение:"};
constexpr AxesText BilinearText{"Bilinear", "Билинейное"};
constexpr AxesText ProjectiveText{"Projective", "Проективное"};

void enableIfAny(QWidget* w, bool on) {
    if (w != nullptr) w->setEnabled(on);
}

} // namespace

CoordinateRangeDialog::CoordinateRangeDialog(Calibration& cal, Prompts& prompts,
                                             std::int32_t language, QWidget* parent)
    : QDialog(parent), cal_(cal), prompts_(prompts), language_(language), opening_(rangesOf(cal)) {
    setWindowTitle(QStringLiteral("Coordinate system"));
    const QFontMetrics fm(font());

    edits_ = {addRangeRow(QStringLiteral("Xmin"), 14, cal_.Xmin),
              addRangeRow(QStringLiteral("Xmax"), 30, cal_.Xmax),
              addRangeRow(QStringLiteral("Ymin"), 47, cal_.Ymin),
              addRangeRow(QStringLiteral("Ymax"), 64, cal_.Ymax)};

    addAxesRows(AxesTop);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setGeometry(dialogUnitsToPixels(fm, 26, ButtonsTop, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setGeometry(dialogUnitsToPixels(fm, 80, ButtonsTop, 50, 14));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(dialogUnitsToPixels(fm, DialogWidth, DialogHeight));
}

// The label sits one unit lower than its edit, as in the template.
QLineEdit* CoordinateRangeDialog::addRangeRow(const QString& name, int top, float& field) {
    const QFontMetrics fm(font());
    auto* caption = new QLabel(name + QStringLiteral(" = "), this);
    caption->setGeometry(dialogUnitsToPixels(fm, 7, top + 1, 25, 11));

    auto* edit = new QLineEdit(this);
    edit->setObjectName(name.toLower());
    edit->setAccessibleName(name);
    edit->setMaxLength(EditLength);
    edit->setGeometry(dialogUnitsToPixels(fm, 34, top, 96, 12));
    edit->setText(QString::fromStdString(listDirectedReal(field)));
    caption->setBuddy(edit);

    // Every change from here on is the user's, typed or set by a screen reader
    // (which fires no textEdited); an unreadable text keeps the value.
    connect(edit, &QLineEdit::textChanged, this,
            [&field](const QString& text) { storeTypedRange(field, text.toStdString()); });
    return edit;
}

void CoordinateRangeDialog::addAxesRows(int top) {
    const QFontMetrics fm(font());
    const auto shown = [this](const AxesText& t) {
        return inLanguage(language_, t.english, t.russian);
    };
    const auto addCheck = [&](const AxesText& t, const char* objectName, int y, bool on) {
        auto* box = new QCheckBox(shown(t), this);
        box->setObjectName(QString::fromLatin1(objectName));
        box->setAccessibleName(QString::fromUtf8(t.english));
        box->setChecked(on);
        box->setGeometry(dialogUnitsToPixels(fm, 7, y, 123, 10));
        return box;
    };
    logX_ = addCheck(LogXText, "logx", top, cal_.XScale == AxisScale::Logarithmic);
    logY_ = addCheck(LogYText, "logy", top + 12, cal_.YScale == AxisScale::Logarithmic);

    auto* caption = new QLabel(shown(MappingText), this);
    caption->setGeometry(dialogUnitsToPixels(fm, 7, top + 27, 56, 11)); // room for the Russian
    mapping_ = new QComboBox(this);
    mapping_->setObjectName(QStringLiteral("mapping"));
    mapping_->setAccessibleName(QString::fromUtf8(MappingText.english));
    mapping_->view()->setAccessibleName(QString::fromUtf8(MappingText.english)); // its pop-up list
    mapping_->addItem(shown(BilinearText));
    mapping_->addItem(shown(ProjectiveText));
    mapping_->setCurrentIndex(cal_.Mapping == QuadMapping::Projective ? 1 : 0);
    mapping_->setGeometry(dialogUnitsToPixels(fm, 64, top + 25, 66, 13));
    caption->setBuddy(mapping_);
}

AxesChoice CoordinateRangeDialog::axesChosen() const {
    const auto scale = [](const QCheckBox* box) {
        return box->isChecked() ? AxisScale::Logarithmic : AxisScale::Linear;
    };
    return {scale(logX_), scale(logY_),
            mapping_->currentIndex() == 1 ? QuadMapping::Projective : QuadMapping::Bilinear};
}

void CoordinateRangeDialog::done(int result) {
    if (result == QDialog::Accepted) {
        std::array<std::string, 4> texts;
        for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = edits_[i]->text().toStdString();
        const RangeConfirmation confirmed = confirmRanges(cal_, texts, axesChosen());
        for (const UserMessage& m : confirmed.messages) prompts_.show(m, language_);
        if (!confirmed.accepted) return; // stays open for the user to mend or cancel
    } else {
        restoreRanges(cal_, opening_);
    }
    QDialog::done(result);
}

int SETRANGEOFCOORDINATE_DIALOG(AppState& s, Prompts& prompts, QWidget* owner, QWidget* panel,
                                QWidget* host) {
    enableIfAny(panel, false);
    enableIfAny(host, false);
    int result = 0;
    {
        CoordinateRangeDialog dialog(s.doc, prompts, s.InterfaceLanguage, owner);
        result = prompts.exec(dialog) == QDialog::Accepted ? 1 : 0;
    }
    s.work.PerspectiveDistance = DEFINECOORDLIMITED(s.doc);
    enableIfAny(panel, true);
    enableIfAny(host, true);
    return result;
}

} // namespace vex
