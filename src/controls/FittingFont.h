#pragma once
#include <QFont>
#include <QString>

// The width a text needs in a font: its advance and the ink of its end glyphs beyond it.
int TextWidthNeeded(const QFont& font, const QString& text);

// The stored font when the text fits the width in it; otherwise the same font at the largest
// smaller pixel size at which it fits (1 px at the least). A text that does not fit is thus
// shown whole, only smaller.
QFont FontFittingWidth(const QFont& stored, const QString& text, int width);
