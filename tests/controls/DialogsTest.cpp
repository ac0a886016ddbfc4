#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <atomic>
#include <functional>
#include <thread>

#include "BalloonTip.h"
#include "Dialogs.h"
#include "WindowOps.h"

namespace {

class Scripted : public ::testing::Test {
  protected:
    Scripted() { SetDialogs(&dialogs); }
    ~Scripted() override { SetDialogs(nullptr); }
    ScriptedDialogs dialogs;
};

}  // namespace

TEST_F(Scripted, MessageBoxesTakeQueuedAnswersThenOk) {
    dialogs.queueMessageBoxAnswer(1);
    dialogs.queueMessageBoxAnswer(0);
    EXPECT_EQ(ShowMessageBox("确定删除？", 1, "危险提示！！！"), 1);
    EXPECT_EQ(ShowMessageBox("再问一次", 1, "危险提示！！！"), 0);
    EXPECT_EQ(ShowMessageBox("您输入的用户名或密码错误", 16, "温馨提示"), 0);

    ASSERT_EQ(dialogs.messageBoxes().size(), 3u);
    EXPECT_EQ(dialogs.messageBoxes()[2].message, "您输入的用户名或密码错误");
    EXPECT_EQ(dialogs.messageBoxes()[2].title, "温馨提示");
    EXPECT_EQ(dialogs.messageBoxes()[2].style, 16);
    EXPECT_EQ(dialogs.messageBoxes()[0].style, 1);
}

TEST_F(Scripted, InputBoxesTakeQueuedTextsAndCancels) {
    dialogs.queueInputBoxText("李四");
    dialogs.queueInputBoxCancel();
    const std::string old = "张三";
    std::string text = "untouched";
    EXPECT_TRUE(ShowInputBox("请输入新的用户姓名", "修改会员姓名", &old, text, 1));
    EXPECT_EQ(text, "李四");
    text = "untouched";
    EXPECT_FALSE(ShowInputBox("请输入密码", "验证", nullptr, text, 4));
    EXPECT_FALSE(ShowInputBox("没有答案", "验证", nullptr, text, 4));
    EXPECT_EQ(text, "untouched");

    ASSERT_EQ(dialogs.inputBoxes().size(), 3u);
    EXPECT_EQ(dialogs.inputBoxes()[0].prompt, "请输入新的用户姓名");
    EXPECT_EQ(dialogs.inputBoxes()[0].initial, std::optional<std::string>("张三"));
    EXPECT_EQ(dialogs.inputBoxes()[0].title, "修改会员姓名");
    EXPECT_EQ(dialogs.inputBoxes()[1].initial, std::nullopt);
    EXPECT_EQ(dialogs.inputBoxes()[1].mode, 4);
}

TEST_F(Scripted, EverythingShownIsRecordedInOrder) {
    BalloonTip unit;
    ShowBalloonTip(&unit, 130, 470, "登录成功");
    ShowMessageBox("操作成功，是否继续新增会员", 1, "温馨提示");
    std::string text;
    ShowInputBox("请输入密码", "验证", nullptr, text, 4);
    ShowBalloonTip(&unit, 5, -3, "余额不足，不能消费", 1, false);

    EXPECT_EQ(dialogs.shownTexts(),
              (std::vector<std::string>{"登录成功", "操作成功，是否继续新增会员", "请输入密码",
                                        "余额不足，不能消费"}));
    ASSERT_EQ(dialogs.balloons().size(), 2u);
    const auto& first = dialogs.balloons()[0];
    EXPECT_EQ(first.unit, &unit);
    EXPECT_EQ(first.x, 130);
    EXPECT_EQ(first.y, 470);
    EXPECT_EQ(first.style, -1);
    EXPECT_TRUE(first.flag);
    const auto& last = dialogs.balloons()[1];
    EXPECT_EQ(last.y, -3);
    EXPECT_EQ(last.style, 1);
    EXPECT_FALSE(last.flag);
    EXPECT_EQ(unit.lastText(), "余额不足，不能消费");

    dialogs.clear();
    EXPECT_TRUE(dialogs.shownTexts().empty());
    EXPECT_TRUE(dialogs.balloons().empty());
}

TEST_F(Scripted, AWorkersMessageBoxIsShownOnTheWindowThread) {
    dialogs.queueMessageBoxAnswer(1);
    std::atomic<int> answer = -1;
    std::thread worker([&] { answer = ShowMessageBox("来自后台", 1, "温馨提示"); });
    while (answer == -1) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    worker.join();
    EXPECT_EQ(answer, 1);
    EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{"来自后台"});
}

TEST(DialogsChoice, NullRestoresTheQtDialogs) {
    ScriptedDialogs scripted;
    SetDialogs(&scripted);
    EXPECT_EQ(&CurrentDialogs(), &scripted);
    SetDialogs(nullptr);
    EXPECT_NE(dynamic_cast<QtDialogs*>(&CurrentDialogs()), nullptr);
}

namespace {

// Acts on the modal box as soon as it is up.
void WhenModalIsUp(std::function<void(QWidget*)> act) {
    QTimer::singleShot(10, [act] {
        if (QWidget* modal = QApplication::activeModalWidget())
            act(modal);
        else
            WhenModalIsUp(act);
    });
}

}  // namespace

TEST(QtDialogs, MessageBoxStylesAndAnswers) {
    struct Case {
        int style;
        QMessageBox::StandardButton press;
        int expected;
        QMessageBox::Icon icon;
        int buttons;
    };
    const Case cases[] = {
        {0, QMessageBox::Ok, 0, QMessageBox::NoIcon, 1},
        {1, QMessageBox::Ok, 0, QMessageBox::NoIcon, 2},
        {1, QMessageBox::Cancel, 1, QMessageBox::NoIcon, 2},
        {16, QMessageBox::Ok, 0, QMessageBox::Critical, 1},
    };
    QtDialogs dialogs;
    for (const Case& c : cases) {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        qsizetype buttons = 0;
        QString text, title;
        WhenModalIsUp([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            icon = box->icon();
            buttons = box->buttons().size();
            text = box->text();
            title = box->windowTitle();
            box->button(c.press)->click();
        });
        EXPECT_EQ(dialogs.messageBox("充值错误\r\n\r\n请检查", c.style, "错误提示"), c.expected)
            << c.style;
        EXPECT_EQ(icon, c.icon) << c.style;
        EXPECT_EQ(buttons, c.buttons) << c.style;
        EXPECT_EQ(text, QStringLiteral("充值错误\n\n请检查"));
        EXPECT_EQ(title, QStringLiteral("错误提示"));
    }
}

TEST(QtDialogs, InputBoxMasksInMode4AndKeepsTextOnCancel) {
    QtDialogs dialogs;
    QLineEdit::EchoMode echo = QLineEdit::Normal;
    WhenModalIsUp([&](QWidget* modal) {
        auto* dialog = qobject_cast<QInputDialog*>(modal);
        echo = dialog->textEchoMode();
        dialog->setTextValue(QStringLiteral("密码1"));
        dialog->accept();
    });
    std::string text;
    EXPECT_TRUE(dialogs.inputBox("请输入密码", "验证", nullptr, text, 4));
    EXPECT_EQ(text, "密码1");
    EXPECT_EQ(echo, QLineEdit::Password);

    QString shownInitial;
    WhenModalIsUp([&](QWidget* modal) {
        auto* dialog = qobject_cast<QInputDialog*>(modal);
        shownInitial = dialog->textValue();
        echo = dialog->textEchoMode();
        dialog->reject();
    });
    const std::string initial = "张三";
    EXPECT_FALSE(dialogs.inputBox("请输入新的用户姓名", "修改会员姓名", &initial, text, 1));
    EXPECT_EQ(text, "密码1");
    EXPECT_EQ(shownInitial, QStringLiteral("张三"));
    EXPECT_EQ(echo, QLineEdit::Normal);
}
