#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLabel>

#include "Fonts.h"

TEST(Fonts, ShopFamiliesResolveToInstalledOnes) {
    InstallFontSubstitutes();
    const std::pair<const char*, const char*> cases[] = {
        {"微软雅黑", "WenQuanYi Micro Hei"},
        {"楷体", "AR PL UKai CN"},
        {"宋体", "AR PL UMing CN"},
    };
    for (const auto& [named, installed] : cases) {
        QLabel label;
        label.setStyleSheet(QStringLiteral("font: 16px \"%1\";").arg(QString::fromUtf8(named)));
        label.ensurePolished();
        EXPECT_EQ(QFontInfo(label.font()).family(), QString::fromUtf8(installed)) << named;
    }
}
