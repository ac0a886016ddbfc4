#pragma once
#include <QFont>
#include <QString>

// The stored font when the text fits the width in it; otherwise the same font at the largest
// smaller pixel size at which it fits (1 px at the least). A text that does not fit is thus
// shown whole, only smaller.
QFont FontFittingWidth(const QFont& stored, const QString& text, int width);
