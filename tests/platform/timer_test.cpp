#include "platform/timer.h"
#include "test_application.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Short intervals keep the test quick; the margins leave room for a busy machine.
class TimerTest : public TWidgetTest {
protected:
    void SetUp() override {
        Timer.setInterval(200);
        QObject::connect(&Timer, &TTimer::timer, [this] {
            FiredAfter.push_back(Clock.elapsed());
            if (OneShot)
                Timer.setEnabled(false);
        });
        Clock.start();
    }

    TTimer Timer;
    QElapsedTimer Clock;
    std::vector<qint64> FiredAfter;
    bool OneShot = true;
};

TEST_F(TimerTest, StartsDisabledWithOneSecond) {
    TTimer Fresh;
    EXPECT_FALSE(Fresh.isEnabled());
    EXPECT_EQ(Fresh.interval(), 1000);
}

TEST_F(TimerTest, EnablingARunningTimerKeepsItsCount) {
    Timer.setEnabled(true);
    QTest::qWait(120);
    Timer.setEnabled(true);
    QTest::qWait(250);
    ASSERT_EQ(FiredAfter.size(), 1u);
    EXPECT_GE(FiredAfter[0], 195);
    EXPECT_LT(FiredAfter[0], 310); // a restart would fire after 320 ms
}

TEST_F(TimerTest, DisablingStopsAndReenablingStartsAFullInterval) {
    Timer.setEnabled(true);
    QTest::qWait(120);
    Timer.setEnabled(false);
    EXPECT_FALSE(Timer.isEnabled());
    QTest::qWait(150);
    EXPECT_TRUE(FiredAfter.empty());
    Timer.setEnabled(true);
    const qint64 EnabledAt = Clock.elapsed();
    QTest::qWait(300);
    ASSERT_EQ(FiredAfter.size(), 1u);
    EXPECT_GE(FiredAfter[0] - EnabledAt, 195);
}

TEST_F(TimerTest, EnabledTimerFiresEveryInterval) {
    OneShot = false;
    Timer.setInterval(50);
    Timer.setEnabled(true);
    QTest::qWait(290);
    Timer.setEnabled(false);
    EXPECT_GE(FiredAfter.size(), 3u);
    EXPECT_LE(FiredAfter.size(), 6u);
}

} // namespace
