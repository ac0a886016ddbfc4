#include "FittingFont.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

int TextWidthNeeded(const QFont& font, const QString& text) {
    const QFontMetricsF metrics(font);
    qreal needed = metrics.horizontalAdvance(text);
    if (!text.isEmpty()) {
        needed += std::max<qreal>(0, -metrics.leftBearing(text.front()));
        needed += std::max<qreal>(0, -metrics.rightBearing(text.back()));
    }
    return static_cast<int>(std::ceil(needed));
}

QFont FontFittingWidth(const QFont& stored, const QString& text, int width) {
    if (TextWidthNeeded(stored, text) <= width) return stored;
    QFont font = stored;
    int pixels = stored.pixelSize() > 0 ? stored.pixelSize() : QFontInfo(stored).pixelSize();
    while (pixels > 1) {
        font.setPixelSize(--pixels);
        if (TextWidthNeeded(font, text) <= width) break;
    }
    return font;
}
