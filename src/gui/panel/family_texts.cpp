#include "gui/panel/family_texts.h"

#include "core/family/family_notices.h"
#include "core/io/csv_text.h"
#include "core/ui/typed_number.h"

#include <QLineEdit>

#include <QStringList>

#include <algorithm>
#include <limits>

namespace vex {

QString shownNumber(double v) {
    return QString::fromStdString(csvNumber(static_cast<float>(v)));
}

double typedValueIn(const QLineEdit* edit) {
    const std::optional<float> v = readTypedNumber(edit->text().toStdString()).value;
    return v ? static_cast<double>(*v) : std::numeric_limits<double>::quiet_NaN();
}

std::pair<double, double> familyXRange(const Dep2D& d) {
    bool any = false;
    double low = 0.0, high = 1.0;
    for (int j = 1; j <= d.NLines; ++j)
        for (int k = 1; k <= d.NPoints(j); ++k) {
            const double x = d.ArgX(j, k);
            low = any ? std::min(low, x) : x;
            high = any ? std::max(high, x) : x;
            any = true;
        }
    return {low, high};
}

QString familyNoticeText(const Dep2D& d, std::int32_t language) {
    QStringList lines;
    for (const UserMessage& m : familyNotices(d)) lines << QString::fromStdString(m.text(language));
    return lines.join(QLatin1Char('\n'));
}

} // namespace vex
