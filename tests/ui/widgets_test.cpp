// The gauge, the countdown timer's period rule and the level selector's notifications.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "widgets/countdown_timer.h"
#include "widgets/gauge.h"
#include "widgets/level_scroll.h"

namespace slcy {
namespace {

TEST(SolvedGauge, FillsWholePerCentFromTheBottom) {
    EXPECT_EQ(SolvedGauge::FilledHeight(180, 500, 0), 0);
    EXPECT_EQ(SolvedGauge::FilledHeight(180, 500, 12), 3);    // 2 % of 180
    EXPECT_EQ(SolvedGauge::FilledHeight(180, 3, 1), 59);      // 33 %, rounded down
    EXPECT_EQ(SolvedGauge::FilledHeight(180, 500, 499), 178); // 99 %
    EXPECT_EQ(SolvedGauge::FilledHeight(180, 500, 500), 180);
    EXPECT_EQ(SolvedGauge::FilledHeight(180, 0, 0), 0);
}

TEST(SolvedGauge, PaintsRedBelowAndBlackAbove) {
    SolvedGauge gauge;
    gauge.resize(22, 180);
    gauge.SetRange(2, 1);
    const QImage image = gauge.grab().toImage();
    EXPECT_EQ(QColor(image.pixel(10, 179)), QColor(Qt::red));
    EXPECT_EQ(QColor(image.pixel(10, 90)), QColor(Qt::red));
    EXPECT_EQ(QColor(image.pixel(10, 89)), QColor(Qt::black));
    EXPECT_EQ(QColor(image.pixel(0, 0)), QColor(Qt::black));
}

TEST(CountdownTimer, SwitchingOnWhileOnKeepsThePeriod) {
    CountdownTimer timer(nullptr);
    timer.SetEnabled(true);
    QTest::qWait(300);
    timer.SetEnabled(true);
    EXPECT_LE(timer.remainingTime(), 800);
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.isActive());
    timer.SetEnabled(true);
    EXPECT_GT(timer.remainingTime(), 900);
    EXPECT_EQ(timer.interval(), 1000);
}

class LevelSelector : public ::testing::Test {
protected:
    LevelScrollBar bar{nullptr};
    QSignalSpy spy{&bar, &LevelScrollBar::scrolled};
    void SetUp() override {
        bar.setRange(1, 500);
        bar.resize(22, 138);
    }
    int Last() const { return spy.last().at(0).toInt(); }
};

TEST_F(LevelSelector, PositionsSetByTheProgramNeverNotifyAndAreClamped) {
    bar.SetPositionQuietly(42);
    bar.SetPositionQuietly(9999);
    EXPECT_EQ(bar.value(), 500);
    bar.SetPositionQuietly(-3);
    EXPECT_EQ(bar.value(), 1);
    EXPECT_EQ(spy.count(), 0);
}

TEST_F(LevelSelector, KeysStepOneOrTenLevels) {
    bar.SetPositionQuietly(500);
    QTest::keyClick(&bar, Qt::Key_PageUp);
    EXPECT_EQ(Last(), 490);
    QTest::keyClick(&bar, Qt::Key_Up);
    EXPECT_EQ(Last(), 489);
    QTest::keyClick(&bar, Qt::Key_Left);
    EXPECT_EQ(Last(), 488);
    QTest::keyClick(&bar, Qt::Key_Down);
    EXPECT_EQ(Last(), 489);
    QTest::keyClick(&bar, Qt::Key_Right);
    EXPECT_EQ(Last(), 490);
    QTest::keyClick(&bar, Qt::Key_PageDown);
    EXPECT_EQ(Last(), 500);
    EXPECT_EQ(spy.count(), 6);
}

TEST_F(LevelSelector, ActionsAtAnEndStillNotify) {
    bar.SetPositionQuietly(1);
    QTest::keyClick(&bar, Qt::Key_Up);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(Last(), 1);
    bar.SetPositionQuietly(500);
    QTest::keyClick(&bar, Qt::Key_PageDown);
    EXPECT_EQ(Last(), 500);
}

}  // namespace
}  // namespace slcy

namespace slcy {
namespace {

TEST(LevelSelectorMouse, APressInTheTrackStepsTenAndKeepsRepeating) {
    LevelScrollBar bar(nullptr);
    bar.setRange(1, 500);
    bar.resize(22, 138);
    bar.show();
    bar.SetPositionQuietly(500);
    QSignalSpy spy(&bar, &LevelScrollBar::scrolled);
    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(11, 40));  // above the thumb
    ASSERT_GE(spy.count(), 1);
    EXPECT_EQ(spy.first().at(0).toInt(), 490);
    QTest::qWait(900);  // the repeat starts after half a second
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(11, 40));
    EXPECT_GE(spy.count(), 2);
}

}  // namespace
}  // namespace slcy
