// The settings panel: its openings behind the password asked again, where the sub-panels
// stand, and the list-order option in kvt.ini.
#include <QMouseEvent>
#include <QTest>
#include <filesystem>

#include "SignedInWindow.h"
#include "backoffice/SettingsPage.h"
#include "controls/ListView.h"
#include "controls/WindowOps.h"
#include "login/ConfigFile.h"
#include "runtime/inifile.h"

namespace {

const char kOperatorPrompt[] = "新增管理员需要二次确认密码，请输入";
const char kPasswordPrompt[] = "修改密码需要二次确认原密码，请输入";

class SettingsPageTest : public SignedInWindow {
  protected:
    void Open() {
        ASSERT_NO_FATAL_FAILURE(StartSignedIn());
        Click(ui().按钮_系统设置);
    }
    std::vector<bool> SubPanelsShown() {
        return {!ui().外形框_修改消费项目->isHidden(), !ui().外形框_修改密码->isHidden(),
                !ui().外形框_系统设置_新增管理员->isHidden()};
    }
};

TEST_F(SettingsPageTest, BeforeALoginTheButtonDoesNothing) {
    StartWindow();
    Click(ui().按钮_系统设置);
    EXPECT_TRUE(ui().外形框_系统设置->isHidden());
    EXPECT_EQ(ui().选择夹1->currentIndex(), 3);
}

TEST_F(SettingsPageTest, EachOpeningStandsUnderItsButton) {
    ASSERT_NO_FATAL_FAILURE(Open());
    EXPECT_EQ(ui().选择夹1->currentIndex(), 3);
    EXPECT_FALSE(ui().外形框_系统设置->isHidden());
    EXPECT_EQ(SubPanelsShown(), (std::vector<bool>{false, false, false}));

    Click(ui().按钮_系统设置_修改消费项目);
    EXPECT_EQ(SubPanelsShown(), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(ui().外形框_修改消费项目->pos(), QPoint(8, 41));
    EXPECT_EQ(ListViewRowCount(ui().超级列表框_项目设置), 5);  // the first-run items
    EXPECT_TRUE(dialogs().inputBoxes().empty());

    dialogs().queueInputBoxText("Abc123");
    Click(ui().按钮_系统设置_修改密码);
    EXPECT_EQ(SubPanelsShown(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(ui().外形框_修改密码->pos(), QPoint(124, 41));
    EXPECT_EQ(QApplication::focusWidget(), ui().编辑框_输入新密码);
    ASSERT_EQ(dialogs().inputBoxes().size(), 1u);
    EXPECT_EQ(dialogs().inputBoxes()[0].prompt, kPasswordPrompt);
    EXPECT_EQ(dialogs().inputBoxes()[0].title, "原密码二次确认");
    EXPECT_EQ(dialogs().inputBoxes()[0].mode, 4);

    SetText(ui().编辑框_新增管理员_姓名, "留着");
    dialogs().queueInputBoxText("Abc123");
    Click(ui().按钮_系统设置_新增管理员);
    EXPECT_EQ(SubPanelsShown(), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(ui().外形框_系统设置_新增管理员->pos(), QPoint(208, 41));
    EXPECT_EQ(dialogs().inputBoxes().back().title, "密码二次确认");
    EXPECT_EQ(TextOf(ui().编辑框_新增管理员_姓名), "留着");

    Click(ui().按钮_系统设置);
    EXPECT_EQ(SubPanelsShown(), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(TextOf(ui().编辑框_新增管理员_姓名), "留着");
}

TEST_F(SettingsPageTest, AWrongOrCancelledPasswordOpensNothing) {
    ASSERT_NO_FATAL_FAILURE(Open());
    Click(ui().按钮_系统设置_修改消费项目);
    dialogs().queueInputBoxCancel();
    Click(ui().按钮_系统设置_修改密码);
    EXPECT_EQ(SubPanelsShown(), (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(dialogs().messageBoxes().empty());
    for (const char* typed : {"abc123", "Abc123 ", ""}) {
        dialogs().clear();
        dialogs().queueInputBoxText(typed);
        Click(ui().按钮_系统设置_新增管理员);
        EXPECT_EQ(SubPanelsShown(), (std::vector<bool>{false, false, false}));
        ASSERT_EQ(dialogs().messageBoxes().size(), 1u) << typed;
        EXPECT_EQ(dialogs().messageBoxes()[0].message, "密码验证错误，不能修改");
        EXPECT_EQ(dialogs().messageBoxes()[0].title, "温馨提示");
        EXPECT_EQ(dialogs().messageBoxes()[0].style, 0);
    }
}

// A click waiting in the queue when an opening repaints runs after it, not inside it.
TEST_F(SettingsPageTest, AQueuedClickWaitsUntilTheOpeningIsOver) {
    ASSERT_NO_FATAL_FAILURE(Open());
    QWidget* other = ui().按钮_系统设置_修改密码;
    const QPoint centre = other->rect().center();
    QCoreApplication::postEvent(
        other, new QMouseEvent(QEvent::MouseButtonPress, centre, other->mapToGlobal(centre),
                               Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(
        other, new QMouseEvent(QEvent::MouseButtonRelease, centre, other->mapToGlobal(centre),
                               Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    dialogs().queueInputBoxText("Abc123");
    dialogs().queueInputBoxText("Abc123");
    OpenAddOperatorPanel();
    ASSERT_GE(dialogs().inputBoxes().size(), 1u);
    EXPECT_EQ(dialogs().inputBoxes()[0].prompt, kOperatorPrompt);
    EXPECT_FALSE(ui().外形框_系统设置_新增管理员->isHidden());
    Pump(20);
    ASSERT_EQ(dialogs().inputBoxes().size(), 2u);
    EXPECT_EQ(dialogs().inputBoxes()[1].prompt, kPasswordPrompt);
    EXPECT_EQ(SubPanelsShown(), (std::vector<bool>{false, true, false}));
}

TEST_F(SettingsPageTest, TheListOrderBoxWritesAtOnceOnlyWhenClicked) {
    ASSERT_NO_FATAL_FAILURE(Open());
    QCheckBox* box = ui().选择框_新纪录在最前;
    Click(box);
    EXPECT_EQ(IniRead(ConfigFilePath(), kListOrderSection, kNewestFirstKey), "真");
    Click(box);
    EXPECT_EQ(IniRead(ConfigFilePath(), kListOrderSection, kNewestFirstKey), "假");
}

TEST_F(SettingsPageTest, A真AtStartTicksWithoutWriting) {
    ASSERT_TRUE(IniWrite(ConfigFilePath(), kListOrderSection, kNewestFirstKey, "真"));
    namespace fs = std::filesystem;
    const fs::path file = ConfigFilePath();
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(24);
    fs::last_write_time(file, old);
    StartWindow();  // the login would write its own key
    Pump(50);
    EXPECT_TRUE(ui().选择框_新纪录在最前->isChecked());
    EXPECT_EQ(fs::last_write_time(file), old);
}

}  // namespace
