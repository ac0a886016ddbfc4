// The main window's start state, the page guard and the navigation guard.
#include <QFontInfo>
#include <QTest>
#include <QTimer>
#include <thread>

#include "WindowFixture.h"
#include "app/StartUp.h"
#include "controls/PictureButton.h"
#include "login/SignedInOperator.h"

namespace {

class MainWindowTest : public WindowFixture {
  protected:
    std::vector<PictureButton*> navigationButtons() {
        return {ui().按钮_会员管理, ui().按钮_会员充值, ui().按钮_会员消费, ui().按钮_系统设置};
    }
};

TEST_F(MainWindowTest, StartsOnTheLoginPageWithTheStoredFrame) {
    EXPECT_EQ(window().windowTitle().toStdString(), "青禾苑-洗脚店管理系统 V1.5");
    EXPECT_EQ(window().height(), 700);
    EXPECT_EQ(window().width(), 1000);
    EXPECT_EQ(ui().选择夹1->currentIndex(), 3);
    EXPECT_EQ(ui().选择夹1->y(), 105);
    EXPECT_EQ(ui().选择夹1->x(), 32);
    EXPECT_TRUE(ui().超级列表框_会员管理_会员列表备用->isHidden());
    EXPECT_TRUE(ui().外形框_当前用户->isHidden());
    EXPECT_TRUE(window().时钟1->isActive());
    EXPECT_EQ(window().时钟1->interval(), 200);
}

TEST_F(MainWindowTest, PagesCarryTheirCaptions) {
    const char* captions[] = {"会员管理", "会员充值", "会员消费", "系统设置"};
    ASSERT_EQ(ui().选择夹1->count(), 4);
    for (int page = 0; page < 4; ++page)
        EXPECT_EQ(ui().选择夹1->tabText(page).toStdString(), captions[page]) << page;
}

TEST_F(MainWindowTest, BeforeLoginEveryPageChangeSnapsBack) {
    for (int page : {0, 1, 2}) {
        ui().选择夹1->setCurrentIndex(page);
        EXPECT_EQ(ui().选择夹1->currentIndex(), 3) << page;
    }
}

TEST_F(MainWindowTest, BeforeLoginTheNavigationButtonsDoNothing) {
    for (auto* button : navigationButtons()) {
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(ui().选择夹1->currentIndex(), 3) << button->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, AfterLoginButtonsShowTheirPagesAndPageChangesStay) {
    loggedIn = 1;
    const int pages[] = {0, 1, 2, 3};
    auto buttons = navigationButtons();
    for (size_t i = 0; i < buttons.size(); ++i) {
        QTest::mouseClick(buttons[i], Qt::LeftButton);
        EXPECT_EQ(ui().选择夹1->currentIndex(), pages[i]) << buttons[i]->objectName().toStdString();
    }
    ui().选择夹1->setCurrentIndex(1);
    EXPECT_EQ(ui().选择夹1->currentIndex(), 1);
}

TEST_F(MainWindowTest, NavigationRowAsTheFormStoresIt) {
    const int lefts[] = {31, 127, 225, 321};
    const char* captions[] = {"会员管理", "充值查询", "消费查询", "系统设置"};
    auto buttons = navigationButtons();
    for (size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i]->geometry(), QRect(lefts[i], 40, 100, 100));
        EXPECT_EQ(buttons[i]->caption().toStdString(), captions[i]);
        EXPECT_EQ(buttons[i]->cursor().shape(), Qt::PointingHandCursor);
    }
}

// Page controls stand where the form stores them, measured from the page control's own
// top-left, and lie wholly inside it: the member list ends at the control's lower edge.
TEST_F(MainWindowTest, PageControlsStandAtTheirStoredPlaces) {
    loggedIn = 1;
    struct Case {
        int page;
        QWidget* control;
        QRect stored;
    } cases[] = {
        {0, ui().超级列表框_会员管理_会员列表, QRect(0, 127, 950, 432)},
        {0, ui().编辑框_会员管理_搜索, QRect(20, 69, 184, 40)},
        {3, ui().编辑框_密码, QRect(25, 286, 184, 40)},
        {3, ui().图片框1, QRect(24, 55, 144, 128)},
    };
    auto* pages = ui().选择夹1;
    for (const Case& c : cases) {
        const std::string name = c.control->objectName().toStdString();
        pages->setCurrentIndex(c.page);
        Pump(5);
        const QRect placed(c.control->mapTo(pages, QPoint(0, 0)), c.control->size());
        EXPECT_EQ(placed, c.stored) << name;
        EXPECT_TRUE(pages->rect().contains(placed)) << name;
        EXPECT_EQ(c.control->visibleRegion().boundingRect(), c.control->rect()) << name;
    }
    // A new size of the control keeps the pages over all of it.
    pages->resize(pages->width(), pages->height() + 10);
    Pump(5);
    EXPECT_EQ(ui().编辑框_密码->mapTo(pages, QPoint(0, 0)), QPoint(25, 286));
}

TEST_F(MainWindowTest, SpecifiedFontFamiliesResolveToInstalledFonts) {
    QFont font(QStringLiteral("微软雅黑"));
    font.setPixelSize(16);
    EXPECT_NE(QFontInfo(font).family(), QString()) << "no font for 微软雅黑";
    EXPECT_TRUE(QFontInfo(font).family().contains("WenQuanYi", Qt::CaseInsensitive))
        << QFontInfo(font).family().toStdString();
}

TEST_F(MainWindowTest, AWorkerIsNeverHandedTheWindow) {
    bool exists = true;
    std::thread([&] { exists = MainWindowExists(); }).join();
    EXPECT_FALSE(exists);
    EXPECT_TRUE(MainWindowExists());
}

TEST_F(MainWindowTest, ClosingTheWindowEndsTheLoopWithExitCodeZero) {
    QTimer::singleShot(50, &window(), [this] { window().close(); });
    startWindowInSetUp = false;
    RunMessageLoop();
    EXPECT_EQ(ProgramExitCode(), 0);
    EXPECT_FALSE(EndProgramRequested());
}

}  // namespace
