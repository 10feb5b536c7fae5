#include "gui/panel/points_on_spline_dialog.h"

#include "core/io/number_text.h"
#include "core/messages/catalogue.h"
#include "core/messages/message_format.h"
#include "core/state/app_state.h"
#include "core/ui/points_on_spline.h"
#include "gui/panel/dialog_units.h"
#include "gui/platform/prompts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vex {
namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

PointsOnSplineDialog::PointsOnSplineDialog(std::int32_t& count, std::int32_t language,
                                           QWidget* parent)
    : QDialog(parent) {
    // The dialog has no caption of its own; the window manager's title bar
    // shows the program's, so the window can still be told apart and moved.
    setWindowTitle(qt(GETSS(msg::Caption, language)));
    const QFontMetrics fm(font());

    auto* prompt = new QLabel(qt(GETSS(msg::EnterNumberOfPoints, language)), this);
    prompt->setObjectName(QStringLiteral("prompt"));
    prompt->setGeometry(dialogUnitsToPixels(fm, 7, 7, 106, 10));

    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("count"));
    edit->setAccessibleName(prompt->text());
    edit->setMaxLength(80);
    edit->setGeometry(dialogUnitsToPixels(fm, 7, 20, 106, 12));
    edit->setText(qt(listDirectedInteger(count)));
    prompt->setBuddy(edit);
    // Typed or set by a screen reader, every later change is read back.
    connect(edit, &QLineEdit::textChanged, this,
            [&count](const QString& text) { readInteger(text.toStdString(), count); });

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setGeometry(dialogUnitsToPixels(fm, 7, 43, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setGeometry(dialogUnitsToPixels(fm, 63, 43, 50, 14));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(dialogUnitsToPixels(fm, 120, 65));
}

bool SetNumPointsOnLine(AppState& s, Prompts& prompts, QWidget* owner) {
    {
        PointsOnSplineDialog dialog(s.work.SplineNumPoints, s.InterfaceLanguage, owner);
        if (prompts.exec(dialog) != QDialog::Accepted) return false;
    }
    switch (checkResampleCount(s.work.SplineNumPoints)) {
    case ResampleCheck::TooMany:
        prompts.message(MessageKind::Warning, qt(GETWM4(msg::SplinePointsLimit, s.InterfaceLanguage,
                                                        listDirectedInteger(PointsMax))));
        return false;
    case ResampleCheck::TooFew:
        prompts.message(MessageKind::Warning,
                        qt(GETWM4(msg::SplinePointsTooFew, s.InterfaceLanguage,
                                  listDirectedInteger(ResampleCountMin))));
        return false;
    case ResampleCheck::Ok:
        break;
    }
    if (const std::optional<UserMessage> refusal = resampleCurrentLine(s)) {
        prompts.show(*refusal, s.InterfaceLanguage);
        return false;
    }
    return true;
}

} // namespace vex
