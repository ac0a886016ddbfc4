// The window's thread keeps painting and running its timers while it waits, and holds the
// operator's input back until the time is over.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <thread>

#include "WindowOps.h"

namespace {

class PaintCounter : public QPushButton {
  public:
    int paints = 0;

  protected:
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        QPushButton::paintEvent(event);
    }
};

void PostClick(QWidget* target) {
    const QPointF at(5, 5);
    const QPointF global = target->mapToGlobal(at);
    QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonPress, at, global,
                                                        Qt::LeftButton, Qt::LeftButton, {}));
    QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonRelease, at, global,
                                                        Qt::LeftButton, Qt::NoButton, {}));
}

TEST(WaitMilliseconds, PaintsAndRunsTimersButHoldsInputUntilTheEnd) {
    PaintCounter button;
    button.resize(60, 30);
    button.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] { ++clicks; });

    int paintsBefore = 0;
    int paintsDuring = -1, clicksDuring = -1;
    bool queuedWorkRan = false;
    QTimer::singleShot(10, [&] {
        paintsBefore = button.paints;
        PostClick(&button);
        button.setText(QStringLiteral("充值成功"));
        QMetaObject::invokeMethod(
            qApp, [&] { queuedWorkRan = true; }, Qt::QueuedConnection);
    });
    QTimer::singleShot(150, [&] {
        paintsDuring = button.paints;
        clicksDuring = clicks;
    });
    QElapsedTimer elapsed;
    elapsed.start();
    WaitMilliseconds(200);
    EXPECT_GE(elapsed.elapsed(), 200);

    EXPECT_GT(paintsDuring, paintsBefore);
    EXPECT_TRUE(queuedWorkRan);
    EXPECT_EQ(clicksDuring, 0);
    EXPECT_EQ(clicks, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks, 1);  // held back, not lost
}

TEST(WaitMilliseconds, AwayFromTheWindowsThreadItSleeps) {
    QElapsedTimer elapsed;
    elapsed.start();
    std::thread worker([] { WaitMilliseconds(30); });
    worker.join();
    EXPECT_GE(elapsed.elapsed(), 30);
}

}  // namespace
