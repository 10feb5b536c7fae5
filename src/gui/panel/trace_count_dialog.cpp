#include "gui/panel/trace_count_dialog.h"

#include "core/data/dep2d.h"
#include "core/ui/points_on_spline.h"
#include "gui/platform/in_language.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

namespace vex {

TraceCountDialog::TraceCountDialog(std::int32_t count, std::int32_t language, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(inLanguage(language, "Trace curve", "Обвести кривую"));
    count_ = new QSpinBox(this);
    count_->setObjectName(QStringLiteral("points"));
    count_->setAccessibleName(QStringLiteral("Points"));
    count_->setRange(ResampleCountMin, PointsMax);
    count_->setValue(count);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(inLanguage(language, "Points:", "Точек:"), count_);
    layout->addRow(buttons);
}

std::int32_t TraceCountDialog::count() const {
    return count_->value();
}

} // namespace vex
