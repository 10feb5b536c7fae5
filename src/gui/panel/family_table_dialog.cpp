#include "gui/panel/family_table_dialog.h"

#include "core/io/file_access.h"
#include "gui/panel/family_texts.h"
#include "gui/panel/grid_choice_box.h"
#include "gui/platform/clipboard_text.h"
#include "gui/platform/prompts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vex {

FamilyTableDialog::FamilyTableDialog(const Dep2D& d, Prompts& prompts, ClipboardText& clipboard,
                                     std::int32_t language, QWidget* parent)
    : QDialog(parent), d_(d), prompts_(prompts), clipboard_(clipboard), language_(language),
      // The document stays as it is while the dialog is open.
      notices_(familyNoticeText(d, language)) {
    setWindowTitle(inLanguage(language, "Family table", "Таблица семейства"));
    const auto [from, to] = familyXRange(d);
    grid_ = new GridChoiceBox(from, to, true, language, this);
    extrapolate_ = new QCheckBox(inLanguage(language, "Extrapolate beyond each line's points",
                                            "Экстраполировать за точки каждой линии"),
                                 this);
    extrapolate_->setObjectName(QStringLiteral("extrapolate"));
    view_ = new QTableWidget(this);
    view_->setObjectName(QStringLiteral("table"));
    view_->setAccessibleName(QStringLiteral("Family table"));
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->verticalHeader()->hide();
    notes_ = new QLabel(this);
    notes_->setObjectName(QStringLiteral("notes"));
    notes_->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copy = buttons->addButton(inLanguage(language, "Copy", "Копировать"),
                                           QDialogButtonBox::ActionRole);
    QPushButton* save = buttons->addButton(inLanguage(language, "Save CSV…", "Сохранить CSV…"),
                                           QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("copy"));
    save->setObjectName(QStringLiteral("save"));
    connect(copy, &QPushButton::clicked, this, &FamilyTableDialog::copyTable);
    connect(save, &QPushButton::clicked, this, &FamilyTableDialog::saveTable);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addWidget(extrapolate_);
    layout->addWidget(view_, 1);
    layout->addWidget(notes_);
    layout->addWidget(buttons);
    resize(640, 560);

    connect(grid_, &GridChoiceBox::changed, this, &FamilyTableDialog::rebuild);
    connect(extrapolate_, &QCheckBox::toggled, this, &FamilyTableDialog::rebuild);
    rebuild();
}

void FamilyTableDialog::rebuild() {
    const FamilyGrid grid = familyGrid(grid_->choice(), d_);
    table_ = grid.refusal ? FamilyTable{} : familyTable(d_, grid.x, extrapolate_->isChecked());
    view_->clear();
    view_->setColumnCount(static_cast<int>(table_.parameters.size()) + 1);
    view_->setRowCount(static_cast<int>(table_.x.size()));
    QStringList headers{QStringLiteral("X")};
    for (float p : table_.parameters) headers << shownNumber(p);
    view_->setHorizontalHeaderLabels(headers);
    for (int r = 0; r < view_->rowCount(); ++r) {
        const auto row = static_cast<std::size_t>(r);
        view_->setItem(r, 0, new QTableWidgetItem(shownNumber(table_.x[row])));
        for (std::size_t c = 0; c < table_.y[row].size(); ++c)
            if (const std::optional<double> y = table_.y[row][c])
                view_->setItem(r, static_cast<int>(c) + 1, new QTableWidgetItem(shownNumber(*y)));
    }
    notes_->setText(grid.refusal ? QString::fromStdString(grid.refusal->text(language_))
                                 : notices_);
}

void FamilyTableDialog::copyTable() {
    if (!table_.x.empty()) clipboard_.set(familyTableText(table_, '\t'));
}

void FamilyTableDialog::saveTable() {
    if (table_.x.empty()) return;
    const std::optional<QString> path = prompts_.saveFile(FileKind::CsvSave);
    if (!path) return;
    if (const auto failure = replaceFileContent(path->toStdString(), familyTableText(table_, ',')))
        prompts_.show(*failure, language_);
}

} // namespace vex
