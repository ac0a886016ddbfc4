#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <QWidget>

#include "BalloonLines.h"
#include "BalloonTip.h"

TEST(BalloonLines, BreakAtCrLfAndLf) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"充值错误\r\n\r\n请你检查网络或者数据库连接，如有疑问联系开发者",
         {"充值错误", "", "请你检查网络或者数据库连接，如有疑问联系开发者"}},
        {"", {""}},
        {"一行", {"一行"}},
        {"a\nb", {"a", "b"}},
        {"a\r\n", {"a", ""}},
        {"a\rb", {"a\rb"}},  // a lone CR is no break
        {"\r\n\r\n", {"", "", ""}},
    };
    for (const Case& c : cases) EXPECT_EQ(BalloonLines(c.text), c.lines) << c.text;
}

TEST(BalloonTip, PopsUpAtTheScreenPointAndStaysHiddenItself) {
    QWidget window;
    BalloonTip unit(&window);
    window.show();
    EXPECT_TRUE(unit.isHidden());
    EXPECT_EQ(unit.popup(), nullptr);

    unit.popUp(200, 150, "第一行\r\n第二行", -1, true);
    auto* popup = qobject_cast<QLabel*>(unit.popup());
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->isVisible());
    EXPECT_TRUE(popup->isWindow());
    EXPECT_EQ(popup->pos(), QPoint(200, 150));
    EXPECT_EQ(popup->text(), QStringLiteral("第一行\n第二行"));
    EXPECT_EQ(unit.lastText(), "第一行\r\n第二行");
    EXPECT_EQ(unit.lastLines(), (std::vector<std::string>{"第一行", "第二行"}));
    EXPECT_TRUE(unit.isHidden());

    unit.popUp(10, -4, "", 1, true);
    EXPECT_EQ(popup->pos(), QPoint(10, -4));
    EXPECT_EQ(unit.lastText(), "");
    EXPECT_EQ(unit.lastStyle(), 1);
}

TEST(BalloonTip, ClosesOnAClickAndAfterItsTimeout) {
    BalloonTip unit;
    unit.popUp(50, 60, "登录成功", -1, true);
    QTest::mouseClick(unit.popup(), Qt::LeftButton);
    EXPECT_FALSE(unit.popup()->isVisible());

    unit.popUp(50, 60, "登录成功", -1, true);
    EXPECT_TRUE(unit.popup()->isVisible());
    QTest::qWait(BalloonTip::kTimeoutMs / 2);
    EXPECT_TRUE(unit.popup()->isVisible());
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !unit.popup()->isVisible(); }, BalloonTip::kTimeoutMs));
}
