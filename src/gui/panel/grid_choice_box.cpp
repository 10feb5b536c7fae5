#include "gui/panel/grid_choice_box.h"

#include "gui/panel/family_texts.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include <cmath>

namespace vex {
namespace {

QLineEdit* numberEdit(double value, const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(shownNumber(value), parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setAccessibleName(QString::fromLatin1(name));
    return edit;
}

// A step of about a twentieth of the range, rounded to 1, 2 or 5 of a decade.
double roundStep(double range) {
    if (!(range > 0.0)) return 1.0;
    const double raw = range / 20.0;
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0})
        if (raw <= m * decade) return m * decade;
    return 10.0 * decade;
}

} // namespace

GridChoiceBox::GridChoiceBox(double from, double to, bool allowUnion, std::int32_t language,
                             QWidget* parent)
    : QGroupBox(inLanguage(language, "X grid", "Сетка по X"), parent) {
    byStep_ = new QRadioButton(inLanguage(language, "From, to, step", "От, до, шаг"), this);
    byCount_ = new QRadioButton(
        inLanguage(language, "From, to, number of points", "От, до, число точек"), this);
    ofAllX_ = new QRadioButton(inLanguage(language, "Every X of the lines", "Все X линий"), this);
    byStep_->setObjectName(QStringLiteral("byStep"));
    byCount_->setObjectName(QStringLiteral("byCount"));
    ofAllX_->setObjectName(QStringLiteral("ofAllX"));
    ofAllX_->setVisible(allowUnion);
    byStep_->setChecked(true);
    // The points' range widened to whole steps: 2.0000014 .. 50 reads as 0 .. 50.
    const double step = roundStep(to - from);
    from_ = numberEdit(std::floor(from / step + 1e-6) * step, "From", this);
    to_ = numberEdit(std::ceil(to / step - 1e-6) * step, "To", this);
    step_ = numberEdit(step, "Step", this);
    count_ = new QSpinBox(this);
    count_->setObjectName(QStringLiteral("count"));
    count_->setAccessibleName(QStringLiteral("Number of points"));
    count_->setRange(2, FamilyGridMaxRows);
    count_->setValue(21);

    auto* form = new QFormLayout(this);
    form->addRow(byStep_);
    form->addRow(byCount_);
    if (allowUnion) form->addRow(ofAllX_);
    form->addRow(inLanguage(language, "From:", "От:"), from_);
    form->addRow(inLanguage(language, "To:", "До:"), to_);
    form->addRow(inLanguage(language, "Step:", "Шаг:"), step_);
    form->addRow(inLanguage(language, "Points:", "Точек:"), count_);

    for (QRadioButton* b : {byStep_, byCount_, ofAllX_})
        connect(b, &QRadioButton::toggled, this, &GridChoiceBox::changed);
    for (QLineEdit* e : {from_, to_, step_})
        connect(e, &QLineEdit::textChanged, this, &GridChoiceBox::changed);
    connect(count_, &QSpinBox::valueChanged, this, &GridChoiceBox::changed);
}

GridChoice GridChoiceBox::choice() const {
    if (ofAllX_->isChecked()) return GridOfAllX{};
    if (byCount_->isChecked())
        return GridByCount{typedValueIn(from_), typedValueIn(to_), count_->value()};
    return GridByStep{typedValueIn(from_), typedValueIn(to_), typedValueIn(step_)};
}

} // namespace vex
