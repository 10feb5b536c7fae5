#include "gui/panel/new_line_dialog.h"

#include "gui/panel/family_texts.h"
#include "gui/panel/grid_choice_box.h"
#include "gui/platform/prompts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

namespace vex {

NewLineDialog::NewLineDialog(const Dep2D& d, Prompts& prompts, std::int32_t language,
                             QWidget* parent)
    : QDialog(parent), d_(d), prompts_(prompts), language_(language) {
    setWindowTitle(inLanguage(language, "New line at a parameter", "Новая линия по параметру"));
    p_ = new QLineEdit(this);
    p_->setObjectName(QStringLiteral("parameter"));
    p_->setAccessibleName(QStringLiteral("Parameter"));
    const auto [from, to] = familyXRange(d);
    grid_ = new GridChoiceBox(from, to, false, language, this);
    extrapolate_ =
        new QCheckBox(inLanguage(language, "Allow extrapolation", "Разрешить экстраполяцию"), this);
    extrapolate_->setObjectName(QStringLiteral("extrapolate"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(inLanguage(language, "Parameter:", "Параметр:"), p_);
    form->addRow(grid_);
    form->addRow(extrapolate_);
    form->addRow(buttons);
}

double NewLineDialog::parameter() const {
    return typedValueIn(p_);
}

// OK stays open with the reason while the line cannot be read.
void NewLineDialog::done(int result) {
    if (result == QDialog::Accepted) {
        const FamilyGrid grid = familyGrid(grid_->choice(), d_);
        line_ = grid.refusal ? LineAtParameter{{}, {}, grid.refusal}
                             : lineAtParameter(d_, parameter(), grid.x, extrapolate_->isChecked());
        if (line_.refusal) {
            prompts_.message(line_.refusal->kind,
                             QString::fromStdString(line_.refusal->text(language_)));
            return;
        }
    }
    QDialog::done(result);
}

} // namespace vex
