#pragma once
// "Family table": the family on one X grid, a column per line headed by its
// parameter, blank where X lies outside a line's points (unless
// extrapolation is ticked); copied for spreadsheets or saved as CSV.

#include "core/data/dep2d.h"
#include "core/family/family_table.h"

#include <QDialog>

#include <cstdint>

class QCheckBox;
class QLabel;
class QTableWidget;

namespace vex {

class ClipboardText;
class GridChoiceBox;
class Prompts;

class FamilyTableDialog : public QDialog {
    Q_OBJECT
  public:
    FamilyTableDialog(const Dep2D& d, Prompts& prompts, ClipboardText& clipboard,
                      std::int32_t language, QWidget* parent = nullptr);

    const FamilyTable& table() const { return table_; }
    void copyTable();
    void saveTable();

  private:
    void rebuild();

    const Dep2D& d_;
    Prompts& prompts_;
    ClipboardText& clipboard_;
    std::int32_t language_;
    QString notices_; // the family's notices, read once
    FamilyTable table_;
    GridChoiceBox* grid_ = nullptr;
    QCheckBox* extrapolate_ = nullptr;
    QTableWidget* view_ = nullptr;
    QLabel* notes_ = nullptr;
};

} // namespace vex
