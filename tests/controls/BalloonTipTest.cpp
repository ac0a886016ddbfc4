#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <chrono>
#include <thread>

#include "BalloonLines.h"
#include "BalloonPopup.h"
#include "BalloonTip.h"
#include "ScreenClick.h"

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

    // A point above the screen's top: the popup comes down onto the screen.
    unit.popUp(10, -4, "", 1, true);
    EXPECT_EQ(popup->pos(), QPoint(10, 0));
    EXPECT_EQ(unit.lastText(), "");
    EXPECT_EQ(unit.lastStyle(), 1);
}

// Near the screen's right and bottom edges, and with a line wider than a balloon may be, the
// popup stands wholly on the screen and every character of the text is on one of its lines.
TEST(BalloonTip, StaysOnTheScreenAndBreaksALongLine) {
    QWidget window;
    BalloonTip unit(&window);
    window.show();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QString longLine;
    for (int i = 0; i < 60; ++i) longLine += QChar(0x5B57 + i % 7);
    const std::string text = "1个项目\r\n" + longLine.toStdString() + "\r\nend";
    const QPoint points[] = {{screen.right() - 20, screen.bottom() - 5},
                             {screen.left() + 10, screen.top() + 10},
                             {screen.right() + 300, screen.top() - 50}};
    for (const QPoint& point : points) {
        unit.popUp(point.x(), point.y(), text, -1, true);
        auto* popup = qobject_cast<QLabel*>(unit.popup());
        ASSERT_NE(popup, nullptr);
        EXPECT_TRUE(screen.contains(popup->geometry())) << point.x() << "," << point.y();
        const QStringList lines = popup->text().split(QLatin1Char('\n'));
        EXPECT_GT(lines.size(), 3);
        EXPECT_EQ(lines.join(QString()), QStringLiteral("1个项目") + longLine + "end");
        const QFontMetrics metrics(popup->font());
        for (const QString& line : lines) {
            EXPECT_LE(metrics.horizontalAdvance(line), BalloonPopup::kMaxTextWidth);
            EXPECT_LE(metrics.horizontalAdvance(line), popup->contentsRect().width());
        }
    }
    // A point with room to the right and below keeps its place.
    unit.popUp(screen.left() + 10, screen.top() + 10, "短", -1, true);
    EXPECT_EQ(unit.popup()->pos(), QPoint(screen.left() + 10, screen.top() + 10));
}

// A notice pops up where the pointer has just pressed, over that control and its neighbours.
// A click there is hit-tested as a real pointer's is, from the top-most window down: it
// reaches the button beneath with its first press, and the notice stays until its time.
TEST(BalloonTip, AClickWhereItStandsReachesTheControlBeneathAndItGoesAtItsTime) {
    QWidget window;
    window.setGeometry(100, 100, 300, 200);
    QPushButton button(QStringLiteral("关闭"), &window);
    button.setGeometry(20, 20, 120, 50);
    int pressed = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] { ++pressed; });
    BalloonTip unit(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    const QPoint there = button.mapToGlobal(button.rect().center());
    unit.popUp(there.x() - 30, there.y() - 10, "这个卡号系统中已经存在，请重新输入", -1, true);
    ASSERT_TRUE(unit.popup()->isVisible());
    ASSERT_TRUE(unit.popup()->geometry().contains(there));

    ASSERT_TRUE(ClickAtScreenPoint(there));
    EXPECT_EQ(pressed, 1);
    EXPECT_TRUE(unit.popup()->isVisible());
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !unit.popup()->isVisible(); }, BalloonTip::kTimeoutMs + 1000));
}

namespace {

// Keeps the time of a widget's first paint since it was made or last reset, and how long
// after that paint it was hidden (-1 while it was not).
class FirstPaint : public QObject {
  public:
    explicit FirstPaint(QWidget* widget) : widget_(widget) { widget->installEventFilter(this); }
    void reset() {
        painted_.invalidate();
        hiddenAfterMs_ = -1;
    }
    bool seen() const { return painted_.isValid(); }
    qint64 hiddenAfterMs() const { return hiddenAfterMs_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != widget_) return false;
        if (event->type() == QEvent::Paint && !painted_.isValid()) painted_.start();
        if (event->type() == QEvent::Hide && painted_.isValid() && hiddenAfterMs_ < 0)
            hiddenAfterMs_ = painted_.elapsed();
        return false;
    }

  private:
    QWidget* widget_;
    QElapsedTimer painted_;
    qint64 hiddenAfterMs_ = -1;
};

// The close timer never fires early; this stands for the clocks' rounding alone. A coarse
// timer's 5 % early would cross it.
constexpr qint64 kRoundingMs = 2;

void HoldThisThread(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

}  // namespace

// The window's thread is held up right after the notice pops up (a statement waiting on a
// locked table): the notice is still painted and stays its full time from that paint. Shown
// twice before any paint, it goes at its time after that one paint.
TEST(BalloonTip, ItsTimeOnScreenCountsFromItsFirstPaint) {
    QWidget window;
    BalloonTip unit(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    unit.popUp(200, 150, "充值", -1, true);
    FirstPaint paint(unit.popup());
    unit.popUp(200, 150, "充值成功", -1, true);
    HoldThisThread(BalloonTip::kTimeoutMs + 500);

    ASSERT_TRUE(QTest::qWaitFor([&] { return paint.seen(); }, 1000));
    QTest::qWait(200);
    EXPECT_TRUE(unit.popup()->isVisible());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !unit.popup()->isVisible(); }, BalloonTip::kTimeoutMs + 1000));
    EXPECT_GE(paint.hiddenAfterMs(), BalloonTip::kTimeoutMs - kRoundingMs);
}

// Whatever its time, a notice stands at least that long from its paint.
TEST(BalloonPopup, ItStandsAtLeastItsFullTime) {
    QWidget owner;
    BalloonPopup popup(&owner);
    FirstPaint paint(&popup);
    for (int time : {230, 470, 610, 990}) {
        paint.reset();
        popup.showText(QStringLiteral("充值成功"), QPoint(200, 150), time);
        ASSERT_TRUE(QTest::qWaitFor([&] { return paint.seen(); }, 1000)) << time;
        ASSERT_TRUE(QTest::qWaitFor([&] { return !popup.isVisible(); }, time + 1000)) << time;
        EXPECT_GE(paint.hiddenAfterMs(), time - kRoundingMs) << time;
    }
}

// Shown again while it is on screen, with the same text in the same place, the popup is
// painted anew and has its full time from that paint.
TEST(BalloonPopup, ShownAgainOnScreenItHasItsFullTimeFromTheNewPaint) {
    constexpr int kTime = 400;
    QWidget owner;
    BalloonPopup popup(&owner);
    popup.showText(QStringLiteral("充值成功"), QPoint(200, 150), kTime);
    FirstPaint paint(&popup);
    ASSERT_TRUE(QTest::qWaitFor([&] { return paint.seen(); }, 1000));
    QTest::qWait(kTime * 3 / 4);
    ASSERT_TRUE(popup.isVisible());

    paint.reset();
    popup.showText(QStringLiteral("充值成功"), QPoint(200, 150), kTime);
    ASSERT_TRUE(QTest::qWaitFor([&] { return paint.seen(); }, 1000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !popup.isVisible(); }, kTime + 1000));
    EXPECT_GE(paint.hiddenAfterMs(), kTime - kRoundingMs);
}

// A popup the window system never lets paint still goes, after its time has passed twice.
TEST(BalloonPopup, NeverPaintedItStillGoes) {
    constexpr int kTime = 200;
    QWidget owner;
    BalloonPopup popup(&owner);
    popup.showText(QStringLiteral("充值成功"), QPoint(200, 150), kTime);
    popup.setUpdatesEnabled(false);
    FirstPaint paint(&popup);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !popup.isVisible(); }, 2 * kTime + 1000));
    EXPECT_FALSE(paint.seen());
}
