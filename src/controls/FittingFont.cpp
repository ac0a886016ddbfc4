#include "FittingFont.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <algorithm>

namespace {

// The ink of the first and last glyph may stand out beyond the text's advance.
bool Fits(const QFont& font, const QString& text, int width) {
    const QFontMetricsF metrics(font);
    qreal needed = metrics.horizontalAdvance(text);
    if (!text.isEmpty()) {
        needed += std::max<qreal>(0, -metrics.leftBearing(text.front()));
        needed += std::max<qreal>(0, -metrics.rightBearing(text.back()));
    }
    return needed <= width;
}

}  // namespace

QFont FontFittingWidth(const QFont& stored, const QString& text, int width) {
    if (Fits(stored, text, width)) return stored;
    QFont font = stored;
    int pixels = stored.pixelSize() > 0 ? stored.pixelSize() : QFontInfo(stored).pixelSize();
    while (pixels > 1) {
        font.setPixelSize(--pixels);
        if (Fits(font, text, width)) break;
    }
    return font;
}
