#include "gui/app/about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace vex {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Vexilor 1.0"));
    auto* layout = new QVBoxLayout(this);

    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap(QStringLiteral(":/about.bmp")));
    picture->setFixedSize(436, 175);
    picture->setAccessibleName(QStringLiteral("Vexilor"));
    layout->addWidget(picture, 0, Qt::AlignHCenter);

    auto* version = new QLabel(QStringLiteral("Version 1.0"), this);
    version->setAlignment(Qt::AlignHCenter);
    layout->addWidget(version);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace vex
