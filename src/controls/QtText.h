#pragma once
// The one crossing between the program's UTF-8 texts and Qt's QString.

#include <QString>
#include <string>
#include <string_view>

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string ToStdString(const QString& text) { return text.toStdString(); }
