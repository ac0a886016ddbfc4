// The remark balloon of the consumption list on a screen 1280 pixels wide: a long remark is
// shown wholly on the screen, broken into lines, with every character painted.
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "SignedInWindow.h"
#include "controls/BalloonTip.h"
#include "controls/ListView.h"
#include "controls/WindowOps.h"

namespace {

class NotesBalloonTest : public SignedInWindow {};

TEST_F(NotesBalloonTest, ALongRemarkStaysOnTheScreenAndIsPaintedWhole) {
    QString remark;
    for (int i = 0; i < 60; ++i) remark += QChar(0x4E00 + 0x100 * (i % 9) + i);
    db.Run("INSERT INTO userlist (user_id, user_name, user_tel) VALUES (126, '张三', '')");
    db.Run(
        "INSERT INTO costlist (user_id, user_name, cost_date, xm_id, xm_name, xm_money, "
        "cost_money, cost_notes, boss_id, boss_name) VALUES (126, '张三', "
        "'2024-03-05 10:00:00', '3', '足疗', '58', '58', '" +
        remark.toStdString() + "', '2', '王五')");
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    Click(ui().按钮_会员消费);
    Click(ui().按钮_消费管理_所有用户);
    ASSERT_EQ(ListViewRowCount(ui().超级列表框_会员消费_消费列表), 1);
    ListViewSetCurrentRow(ui().超级列表框_会员消费_消费列表, 0);

    auto* popup = qobject_cast<QLabel*>(ui().气球提示框1->popup());
    ASSERT_NE(popup, nullptr);
    ASSERT_TRUE(popup->isVisible());
    QScreen* screen = QGuiApplication::screenAt(QPoint(window().x() + 660, kPointer.y()));
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(screen->geometry().width(), 1280);
    EXPECT_TRUE(screen->availableGeometry().contains(popup->geometry()))
        << popup->geometry().x() << "+" << popup->geometry().width();

    const QStringList lines = popup->text().split(QLatin1Char('\n'));
    EXPECT_EQ(lines.join(QString()),
              QStringLiteral("1个项目") + QString(8, QChar(0x2014)) + remark);
    const QFontMetrics metrics(popup->font());
    for (const QString& line : lines)
        EXPECT_LE(metrics.horizontalAdvance(line), popup->contentsRect().width())
            << line.toStdString();
}

}  // namespace
