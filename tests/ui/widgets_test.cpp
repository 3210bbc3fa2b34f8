// The gauge, the countdown timer's period rule and the level selector's notifications.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include "widgets/countdown_timer.h"
#include "widgets/gauge.h"
#include "widgets/level_scroll.h"
#include "widgets/paint_box.h"

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

// A surface shows its image pixel for pixel where the screen has the image's density, band by
// band to the last row; on any other screen the image is scaled to the surface's size.
TEST(PaintBox, ShowsItsImageWholeAtEitherDensity) {
    QImage rows(30, 65, QImage::Format_RGB888);  // two bands of 32 rows and a last one of 1
    for (int y = 0; y < rows.height(); ++y)
        for (int x = 0; x < rows.width(); ++x) rows.setPixelColor(x, y, QColor(3 * y, 100, 200));
    PaintBox same(rows, 1, nullptr);
    EXPECT_EQ(same.grab().toImage().convertToFormat(QImage::Format_RGB888), rows);

    QImage red(60, 140, QImage::Format_RGB888);
    red.fill(Qt::red);
    PaintBox twice(red, 2, nullptr);  // art at twice the size on a screen of the usual density
    const QImage shown = twice.grab().toImage();
    EXPECT_EQ(shown.size(), QSize(30, 70));
    EXPECT_EQ(shown.pixelColor(15, 35), QColor(Qt::red));
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

// The selector, with the style option it paints and hit-tests by in the open.
struct ProbedLevelScrollBar : LevelScrollBar {
    using LevelScrollBar::LevelScrollBar;
    using LevelScrollBar::initStyleOption;
};

class LevelSelector : public ::testing::Test {
protected:
    ProbedLevelScrollBar bar{nullptr};
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
    bar.SetPositionQuietly(499);
    QTest::keyClick(&bar, Qt::Key_PageUp);
    EXPECT_EQ(Last(), 489);
    QTest::keyClick(&bar, Qt::Key_Up);
    EXPECT_EQ(Last(), 488);
    QTest::keyClick(&bar, Qt::Key_Left);
    EXPECT_EQ(Last(), 487);
    QTest::keyClick(&bar, Qt::Key_Down);
    EXPECT_EQ(Last(), 488);
    QTest::keyClick(&bar, Qt::Key_Right);
    EXPECT_EQ(Last(), 489);
    QTest::keyClick(&bar, Qt::Key_PageDown);
    EXPECT_EQ(Last(), 499);
    EXPECT_EQ(spy.count(), 6);
}

// An action that leaves the selector at either end notifies once more, whether it moved there
// or stood there already: at the top, Up starts the highest level twice.
TEST_F(LevelSelector, AKeyThatLeavesThePositionAtAnEndNotifiesTwice) {
    struct Case {
        int from;
        Qt::Key key;
        int to;
    };
    for (const Case c : {Case{1, Qt::Key_Up, 1}, Case{1, Qt::Key_PageUp, 1},
                         Case{2, Qt::Key_Up, 1}, Case{8, Qt::Key_PageUp, 1},
                         Case{500, Qt::Key_Down, 500}, Case{495, Qt::Key_PageDown, 500},
                         Case{250, Qt::Key_Home, 1}, Case{250, Qt::Key_End, 500}}) {
        bar.SetPositionQuietly(c.from);
        spy.clear();
        QTest::keyClick(&bar, c.key);
        ASSERT_EQ(spy.count(), 2) << "from " << c.from << " key " << c.key;
        EXPECT_EQ(spy.at(0).at(0).toInt(), c.to);
        EXPECT_EQ(Last(), c.to);
    }
}

}  // namespace
}  // namespace slcy

namespace slcy {
namespace {

// The mouse on a shown selector: the end arrows and the track step once per press (the further
// notification at an end comes when the button is released), the thumb notifies on every
// movement while it is dragged.
class LevelSelectorMouse : public LevelSelector {
protected:
    void SetUp() override {
        LevelSelector::SetUp();
        bar.show();
    }
    QRect Part(QStyle::SubControl part) {
        QStyleOptionSlider option;
        bar.initStyleOption(&option);
        return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar);
    }
    QList<int> Positions() const {
        QList<int> positions;
        for (const QList<QVariant>& s : spy) positions << s.at(0).toInt();
        return positions;
    }
    void Click(QPoint at) {
        QTest::mousePress(&bar, Qt::LeftButton, {}, at);
        QTest::mouseRelease(&bar, Qt::LeftButton, {}, at);
    }
};

TEST_F(LevelSelectorMouse, EndArrowsAndTrackNotifyOncePerPressAndOnceMoreAtAnEnd) {
    bar.SetPositionQuietly(250);
    Click(Part(QStyle::SC_ScrollBarSubLine).center());
    Click(Part(QStyle::SC_ScrollBarAddLine).center());
    Click(Part(QStyle::SC_ScrollBarAddPage).center());
    EXPECT_EQ(Positions(), (QList<int>{249, 250, 260}));

    spy.clear();
    bar.SetPositionQuietly(1);
    Click(Part(QStyle::SC_ScrollBarSubLine).center());
    bar.SetPositionQuietly(5);
    Click(Part(QStyle::SC_ScrollBarSubPage).center());
    bar.SetPositionQuietly(500);
    Click(Part(QStyle::SC_ScrollBarAddLine).center());
    EXPECT_EQ(Positions(), (QList<int>{1, 1, 1, 1, 500, 500}));
}

TEST_F(LevelSelectorMouse, EveryMovementOfTheDraggedThumbNotifies) {
    bar.SetPositionQuietly(250);
    const QPoint grip = Part(QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(&bar, Qt::LeftButton, {}, grip);
    EXPECT_EQ(spy.count(), 0);
    QTest::mouseMove(&bar, grip);                  // not moved at all
    QTest::mouseMove(&bar, grip + QPoint(3, 0));   // across the bar: same position
    QTest::mouseMove(&bar, grip + QPoint(0, 20));  // down: lower levels
    ASSERT_EQ(spy.count(), 3);
    const int held = spy.at(0).at(0).toInt();  // where the grip point maps to, about 250
    EXPECT_NEAR(held, 250, 3);
    EXPECT_EQ(spy.at(1).at(0).toInt(), held);
    EXPECT_GT(spy.last().at(0).toInt(), held);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, grip + QPoint(0, 20));
    EXPECT_EQ(spy.count(), 3);

    // Dragged past the top: the position stands at the end, and the release notifies again.
    spy.clear();
    const QPoint grip2 = Part(QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(&bar, Qt::LeftButton, {}, grip2);
    QTest::mouseMove(&bar, QPoint(grip2.x(), -30));
    QTest::mouseMove(&bar, QPoint(grip2.x(), -40));
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(grip2.x(), -40));
    EXPECT_EQ(Positions(), (QList<int>{1, 1, 1}));
}

TEST_F(LevelSelectorMouse, APressInTheTrackStepsTenAndKeepsRepeating) {
    bar.SetPositionQuietly(500);
    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(11, 40));  // above the thumb
    ASSERT_GE(spy.count(), 1);
    EXPECT_EQ(spy.first().at(0).toInt(), 490);
    QTest::qWait(900);  // the repeat starts after half a second
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(11, 40));
    EXPECT_GE(spy.count(), 2);
}

}  // namespace
}  // namespace slcy
