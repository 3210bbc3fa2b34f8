// The main window's placement: the text it is kept in, and where the window goes when it is
// shown again.
#include <gtest/gtest.h>

#include <limits>

#include "window_placement.h"

namespace slcy {
namespace {

// --- The PlacementText.

TEST(PlacementText, IsSevenIntegersAfterTheMarker200) {
    EXPECT_EQ(PlacementText({0, ShowState::Normal, 412, 300, 918, 694}), "200,0,1,412,300,918,694");
}

TEST(PlacementText, NumbersTheShowStatesOneTwoThree) {
    EXPECT_EQ(PlacementText({0, ShowState::Minimized, 1, 2, 3, 4}), "200,0,2,1,2,3,4");
    EXPECT_EQ(PlacementText({0, ShowState::Maximized, 1, 2, 3, 4}), "200,0,3,1,2,3,4");
}

TEST(PlacementText, WritesNegativeEdgesWithAMinusSign) {
    EXPECT_EQ(PlacementText({0, ShowState::Normal, -1280, -4, -774, 390}),
              "200,0,1,-1280,-4,-774,390");
}

TEST(PlacementText, ReadsBackWhatWasWritten) {
    const PlacementRecord record{0, ShowState::Normal, -1280, -4, -774, 390};
    EXPECT_EQ(ParsePlacementText(PlacementText(record)), record);
}

TEST(PlacementText, GivesTheFieldsInOrder) {
    const std::optional<PlacementRecord> r = ParsePlacementText("200,2,3,412,300,918,694");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Flags, 2);
    EXPECT_EQ(r->Show, ShowState::Maximized);
    EXPECT_EQ(r->Left, 412);
    EXPECT_EQ(r->Top, 300);
    EXPECT_EQ(r->Right, 918);
    EXPECT_EQ(r->Bottom, 694);
}

TEST(PlacementText, WithSixPartsCountsAsMissing) {
    EXPECT_FALSE(ParsePlacementText("200,0,1,412,300,918"));
}

TEST(PlacementText, WithEightPartsCountsAsMissing) {
    EXPECT_FALSE(ParsePlacementText("200,0,1,412,300,918,694,1"));
}

TEST(PlacementText, WithTheMarker201CountsAsMissing) {
    EXPECT_FALSE(ParsePlacementText("201,0,1,412,300,918,694"));
}

TEST(PlacementText, WithPartsThatAreNoIntegersCountsAsMissing) {
    EXPECT_FALSE(ParsePlacementText("200,a,b,c,d,e,f"));
    EXPECT_FALSE(ParsePlacementText("200,0,1,412.5,300,918,694"));
    EXPECT_FALSE(ParsePlacementText("200,0,1,,300,918,694"));
    EXPECT_FALSE(ParsePlacementText("200,0,1,99999999999,300,918,694"));
}

TEST(PlacementText, ThatIsEmptyCountsAsMissing) {
    EXPECT_FALSE(ParsePlacementText(""));
}

// --- Where the window goes. The outer size 506 x 394 is the game's window with its frame.

const QSize kWindow(506, 394);
const QRect kFullHd(0, 0, 1920, 1080);

PlacementRecord StoredAt(int left, int top) {
    return {0, ShowState::Normal, left, top, left + 1, top + 1};
}

TEST(PlacementRestore, AStoredPositionOnTheDesktopIsTaken) {
    EXPECT_EQ(RestoredWindowPosition(StoredAt(412, 300), kWindow, kFullHd, kFullHd),
              QPoint(412, 300));
}

TEST(PlacementRestore, ALeftOf5000OnA1920DesktopPutsTheRightEdgeAt1920) {
    const QPoint p = RestoredWindowPosition(StoredAt(5000, 300), kWindow, kFullHd, kFullHd);
    EXPECT_EQ(p.x() + kWindow.width(), 1920);
    EXPECT_EQ(p.y(), 300);
}

TEST(PlacementRestore, ATopBelowTheDesktopPutsTheBottomEdgeOnItsBottom) {
    const QPoint p = RestoredWindowPosition(StoredAt(100, 2000), kWindow, kFullHd, kFullHd);
    EXPECT_EQ(p, QPoint(100, 1080 - 394));
}

TEST(PlacementRestore, ANegativeLeftMovesToTheDesktopsLeftEdge) {
    EXPECT_EQ(RestoredWindowPosition(StoredAt(-300, 50), kWindow, kFullHd, kFullHd),
              QPoint(0, 50));
}

TEST(PlacementRestore, ANegativeTopMovesToTheDesktopsTopEdge) {
    EXPECT_EQ(RestoredWindowPosition(StoredAt(50, -300), kWindow, kFullHd, kFullHd),
              QPoint(50, 0));
}

TEST(PlacementRestore, AWindowWiderAndTallerThanTheDesktopKeepsItsTopLeftOnIt) {
    // Right and bottom are pulled in first, then left and top win.
    const QRect small(0, 0, 400, 300);
    EXPECT_EQ(RestoredWindowPosition(StoredAt(100, 100), kWindow, small, small), QPoint(0, 0));
}

TEST(PlacementRestore, TheStoredRightAndBottomAreNotUsed) {
    const PlacementRecord huge{0, ShowState::Maximized, 10, 20, 5000, 4000};
    EXPECT_EQ(RestoredWindowPosition(huge, kWindow, kFullHd, kFullHd), QPoint(10, 20));
}

TEST(PlacementRestore, AScreenLeftOfThePrimaryIsPartOfTheDesktop) {
    const QRect twoScreens(-1280, 0, 1280 + 1920, 1080);
    EXPECT_EQ(RestoredWindowPosition(StoredAt(-1000, 100), kWindow, twoScreens, kFullHd),
              QPoint(-1000, 100));
    EXPECT_EQ(RestoredWindowPosition(StoredAt(-5000, 100), kWindow, twoScreens, kFullHd),
              QPoint(-1280, 100));
}

TEST(PlacementRestore, TheDesktopsFarEdgesCountFromItsOwnCorner) {
    const QRect twoScreens(-1280, 0, 1280 + 1920, 1080);
    const QPoint p = RestoredWindowPosition(StoredAt(1800, 100), kWindow, twoScreens, kFullHd);
    EXPECT_EQ(p.x() + kWindow.width(), 1920);
}

TEST(PlacementRestore, ExtremeStoredNumbersStillLandOnTheDesktop) {
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    EXPECT_EQ(RestoredWindowPosition(StoredAt(kMax - 1, kMax - 1), kWindow, kFullHd, kFullHd),
              QPoint(1920 - 506, 1080 - 394));
    EXPECT_EQ(RestoredWindowPosition(StoredAt(kMin, kMin), kWindow, kFullHd, kFullHd),
              QPoint(0, 0));
}

TEST(PlacementRestore, NothingStoredCentresTheWindowOnThePrimaryScreen) {
    // (1920 - 506) / 2 = 707, (1080 - 394) / 2 = 343.
    EXPECT_EQ(RestoredWindowPosition(std::nullopt, kWindow, kFullHd, kFullHd), QPoint(707, 343));
}

TEST(PlacementRestore, CentringDropsTheOddHalfPixel) {
    EXPECT_EQ(RestoredWindowPosition(std::nullopt, QSize(507, 395), kFullHd, kFullHd),
              QPoint(706, 342));
}

TEST(PlacementRestore, CentringAWindowLargerThanTheScreenRoundsTowardZero) {
    // (800 - 1001) / 2 is -100.5: toward zero, -100.
    const QRect small(0, 0, 800, 600);
    EXPECT_EQ(RestoredWindowPosition(std::nullopt, QSize(1001, 801), small, small),
              QPoint(-100, -100));
}

TEST(PlacementRestore, CentringUsesThePrimaryScreenNotTheWholeDesktop) {
    const QRect twoScreens(-1280, 0, 1280 + 1920, 1080);
    EXPECT_EQ(RestoredWindowPosition(std::nullopt, kWindow, twoScreens, kFullHd),
              QPoint(707, 343));
}

}  // namespace
}  // namespace slcy
