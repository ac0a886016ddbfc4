// Notices: the default text, the place above the pointer, line breaks.
#include "common/Notices.h"

#include "WindowFixture.h"
#include "controls/WindowOps.h"

namespace {

class NoticeTest : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        SetMousePositionForTests(QPoint(400, 300));
    }
    void TearDown() override {
        SetMousePositionForTests(std::nullopt);
        WindowFixture::TearDown();
    }
};

TEST_F(NoticeTest, EmptyTextShowsTheDefaultAndLeavesItInTheCallersVariable) {
    std::string text;
    ShowNotice(text);
    EXPECT_EQ(text, "感谢你使用芸朵朵软件");
    ASSERT_EQ(dialogs().balloons().size(), 1u);
    EXPECT_EQ(dialogs().balloons()[0].text, "感谢你使用芸朵朵软件");
}

TEST_F(NoticeTest, PopsUpTenPixelsAboveThePointer) {
    ShowNotice("充值成功");
    ASSERT_EQ(dialogs().balloons().size(), 1u);
    const auto& shown = dialogs().balloons()[0];
    EXPECT_EQ(shown.x, 400);
    EXPECT_EQ(shown.y, 290);
    EXPECT_EQ(shown.style, -1);
    EXPECT_TRUE(shown.flag);
    EXPECT_EQ(shown.unit, ui().气球提示框1);
}

TEST_F(NoticeTest, PointerNearTheTopGivesANegativeY) {
    SetMousePositionForTests(QPoint(5, 4));
    ShowNotice("x");
    EXPECT_EQ(dialogs().balloons().at(0).y, -6);
}

TEST_F(NoticeTest, CrLfBreaksTheBalloonIntoLines) {
    SetDialogs(nullptr);  // the real balloon
    ShowNotice("充值错误\r\n\r\n请你检查网络或者数据库连接，如有疑问联系开发者");
    EXPECT_EQ(ui().气球提示框1->lastLines(),
              (std::vector<std::string>{"充值错误", "",
                                        "请你检查网络或者数据库连接，如有疑问联系开发者"}));
}

}  // namespace
