#include "gui/panel/read_across_dialog.h"

#include "gui/panel/family_texts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

namespace vex {
ReadAcrossDialog::ReadAcrossDialog(const Dep2D& d, std::int32_t language, QWidget* parent)
    : QDialog(parent), d_(d), language_(language) {
    setWindowTitle(inLanguage(language, "Read across the family", "Чтение поперёк семейства"));
    const auto [from, to] = familyXRange(d);
    x_ = new QLineEdit(shownNumber((from + to) / 2), this);
    x_->setObjectName(QStringLiteral("x"));
    x_->setAccessibleName(QStringLiteral("X"));
    p_ = new QLineEdit(shownNumber(d.LineParam(1)), this);
    p_->setObjectName(QStringLiteral("parameter"));
    p_->setAccessibleName(QStringLiteral("Parameter"));
    extrapolate_ =
        new QCheckBox(inLanguage(language, "Allow extrapolation", "Разрешить экстраполяцию"), this);
    extrapolate_->setObjectName(QStringLiteral("extrapolate"));
    result_ = new QLabel(this);
    result_->setObjectName(QStringLiteral("result"));
    result_->setAccessibleName(QStringLiteral("Result"));
    result_->setWordWrap(true);
    result_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("X:"), x_);
    form->addRow(inLanguage(language, "Parameter:", "Параметр:"), p_);
    form->addRow(extrapolate_);
    form->addRow(result_);
    form->addRow(buttons);
    setMinimumWidth(420);

    connect(x_, &QLineEdit::textChanged, this, &ReadAcrossDialog::read);
    connect(p_, &QLineEdit::textChanged, this, &ReadAcrossDialog::read);
    connect(extrapolate_, &QCheckBox::toggled, this, &ReadAcrossDialog::read);
    read();
}

void ReadAcrossDialog::read() {
    reading_ = readAcross(d_, typedValueIn(x_), typedValueIn(p_), extrapolate_->isChecked());
    if (reading_.refusal) {
        result_->setText(QString::fromStdString(reading_.refusal->text(language_)));
        return;
    }
    QStringList used;
    for (int line : reading_.linesUsed)
        used << inLanguage(language_, "line %1 (p = %2)", "линия %1 (p = %2)")
                    .arg(line)
                    .arg(shownNumber(d_.LineParam(line)));
    const QString how = reading_.method == AcrossMethod::Smooth
                            ? inLanguage(language_, "smooth curve across the parameter through %1",
                                         "гладкая кривая по параметру через линии: %1")
                            : inLanguage(language_, "linear across the parameter between %1",
                                         "линейно по параметру между линиями: %1");
    result_->setText(QStringLiteral("Y = %1\n").arg(shownNumber(*reading_.y)) +
                     how.arg(used.join(QStringLiteral(", "))));
}

} // namespace vex
