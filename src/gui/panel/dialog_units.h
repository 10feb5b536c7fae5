#pragma once
// Dialog units of the dialog templates, converted to pixels with the font's
// average character size as Windows does it: a horizontal unit is a quarter
// of the average character width, a vertical unit an eighth of the height.

#include <QFontMetrics>
#include <QRect>
#include <QSize>
#include <QString>

namespace vex {

struct DialogBaseUnits {
    int x = 0; // average character width, rounded
    int y = 0; // character height
};

inline DialogBaseUnits dialogBaseUnits(const QFontMetrics& fm) {
    static const QString alphabet =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return {(fm.horizontalAdvance(alphabet) + 26) / 52, fm.height()};
}

// value · base / divisor, rounded half away from zero.
inline int scaleDialogUnits(int value, int base, int divisor) {
    const long long product = static_cast<long long>(value) * base;
    const long long half = divisor / 2;
    return static_cast<int>(product >= 0 ? (product + half) / divisor
                                         : -((-product + half) / divisor));
}

inline QSize dialogUnitsToPixels(const QFontMetrics& fm, int w, int h) {
    const DialogBaseUnits base = dialogBaseUnits(fm);
    return {scaleDialogUnits(w, base.x, 4), scaleDialogUnits(h, base.y, 8)};
}

// Each corner is converted on its own, so neighbouring controls meet where
// their templates say they meet.
inline QRect dialogUnitsToPixels(const QFontMetrics& fm, int x, int y, int w, int h) {
    const DialogBaseUnits base = dialogBaseUnits(fm);
    const int left = scaleDialogUnits(x, base.x, 4);
    const int top = scaleDialogUnits(y, base.y, 8);
    const int right = scaleDialogUnits(x + w, base.x, 4);
    const int bottom = scaleDialogUnits(y + h, base.y, 8);
    return {left, top, right - left, bottom - top};
}

} // namespace vex
