#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include "PictureButton.h"
#include "TextButton.h"

namespace {

void SendEnter(QWidget* widget) {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)));
    QCoreApplication::sendEvent(widget, &enter);
}

void SendLeave(QWidget* widget) {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &leave);
}

QImage Picture(QWidget* widget) { return widget->grab().toImage(); }

}  // namespace

TEST(TextButton, ActsWhenTheLeftButtonGoesDown) {
    TextButton button;
    button.resize(120, 47);
    QSignalSpy down(&button, &TextButton::leftButtonDown);

    QTest::mousePress(&button, Qt::LeftButton);
    EXPECT_EQ(down.count(), 1);
    QTest::mouseRelease(&button, Qt::LeftButton);
    EXPECT_EQ(down.count(), 1);

    QTest::mousePress(&button, Qt::RightButton);
    QTest::mouseRelease(&button, Qt::RightButton);
    EXPECT_EQ(down.count(), 1);
}

TEST(TextButton, ActsEvenWhenTheButtonIsHiddenBeforeTheRelease) {
    TextButton button;
    button.resize(120, 47);
    int downs = 0;
    QObject::connect(&button, &TextButton::leftButtonDown, [&] {
        ++downs;
        button.hide();
    });
    QTest::mousePress(&button, Qt::LeftButton);
    EXPECT_EQ(downs, 1);
    EXPECT_TRUE(button.isHidden());
}

TEST(TextButton, TakesColoursAndFontFromTheForm) {
    TextButton button;
    button.resize(120, 70);
    button.setText(QStringLiteral("确定结账"));
    button.setStyleSheet(QStringLiteral("font: bold 24px \"微软雅黑\";"));
    button.setBackColor(QColor(0x00, 0x88, 0xFF));
    button.ensurePolished();
    EXPECT_EQ(button.font().pixelSize(), 24);
    EXPECT_TRUE(button.font().bold());
    EXPECT_EQ(Picture(&button).pixelColor(2, 2), QColor(0x00, 0x88, 0xFF));
    EXPECT_EQ(button.cursor().shape(), Qt::PointingHandCursor);
}

class PictureButtonLook : public ::testing::TestWithParam<const char*> {};

TEST_P(PictureButtonLook, FramesInRedOnlyWhileThePointerIsOver) {
    PictureButton button;
    button.resize(100, 100);
    button.setPicture(QString::fromLatin1(GetParam()));
    button.setCaption(QStringLiteral("会员管理"));
    const QImage normal = Picture(&button);
    EXPECT_NE(normal.pixelColor(1, 50), QColor(Qt::red));

    SendEnter(&button);
    EXPECT_TRUE(button.isHovered());
    const QImage hovered = Picture(&button);
    EXPECT_EQ(hovered.pixelColor(1, 50), QColor(Qt::red));
    EXPECT_NE(hovered, normal);

    SendLeave(&button);
    EXPECT_FALSE(button.isHovered());
    QTest::mousePress(&button, Qt::LeftButton);
    EXPECT_TRUE(button.isDown());
    EXPECT_EQ(Picture(&button), normal);
    QTest::mouseRelease(&button, Qt::LeftButton);
}

INSTANTIATE_TEST_SUITE_P(Pictures, PictureButtonLook,
                         ::testing::Values("member", "recharge", "consume", "settings", "search",
                                           "newMember", "rechargeSmall", "consumeSmall",
                                           "fetchCard"));

TEST(PictureButton, ClicksAsAButtonAndDrawsSomething) {
    PictureButton button;
    button.resize(100, 100);
    button.setPicture(QStringLiteral("member"));
    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(button.cursor().shape(), Qt::PointingHandCursor);

    PictureButton blank;
    blank.resize(100, 100);
    EXPECT_NE(Picture(&button), Picture(&blank));
}
