#include "Fonts.h"

#include <QFont>

void InstallFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("微软雅黑"), QStringLiteral("WenQuanYi Micro Hei"));
    QFont::insertSubstitution(QStringLiteral("楷体"), QStringLiteral("AR PL UKai CN"));
    QFont::insertSubstitution(QStringLiteral("宋体"), QStringLiteral("AR PL UMing CN"));
}
