// The texts composed at the moment they are shown.
#include <gtest/gtest.h>

#include "screen/placement.h"
#include "texts.h"

namespace slcy {
namespace {

TEST(Caption, NamesTheProgressFileInTheLanguageChosen) {
    EXPECT_EQ(CaptionText(kEnglish, ""), "Sluicery 2.4");
    EXPECT_EQ(CaptionText(kGerman, ""), "Sluicery 2.4");
    EXPECT_EQ(CaptionText(kEnglish, "/home/anna/games/week1.slv"), "Sluicery 2.4 - Game week1.slv");
    EXPECT_EQ(CaptionText(kGerman, "/home/anna/games/week1.slv"), "Sluicery 2.4 - Spiel week1.slv");
    EXPECT_EQ(CaptionText(kLanguageNeverChosen, "/x/Übung.slv"), "Sluicery 2.4 - Game Übung.slv");
}

TEST(GaugeHint, CountsSolvedOfAllLevels) {
    EXPECT_EQ(GaugeHint(kEnglish, 0, 500), "0 of 500 levels solved");
    EXPECT_EQ(GaugeHint(kGerman, 12, 500), QString::fromUtf8("12 von 500 Stufen gelöst"));
    EXPECT_EQ(GaugeHint(5, 3, 20), "3 of 20 levels solved");  // any other value is English
}

TEST(LevelHint, SaysWhetherTheLevelIsSolved) {
    EXPECT_EQ(LevelHint(kEnglish, 7, true), "Level 7: solved");
    EXPECT_EQ(LevelHint(kEnglish, 100, false), "Level 100: unsolved");
    EXPECT_EQ(LevelHint(kGerman, 7, true), QString::fromUtf8("Stufe 7: gelöst"));
    EXPECT_EQ(LevelHint(kGerman, 8, false), QString::fromUtf8("Stufe 8: ungelöst"));
}

TEST(PlaceOverMainWindow, CentresOnTheMainWindowAndItsClientArea) {
    // A main window of 508 x 395 outside (366 inside) at 100, 50; a dialog of 267 x 128.
    EXPECT_EQ(PlaceOverMainWindow({100, 50, 508, 395}, 366, {267, 128}), QPoint(220, 198));
    EXPECT_EQ(PlaceOverMainWindow({0, 0, 508, 395}, 366, {267, 128}), QPoint(120, 148));
    // Integer division rounds toward zero, also for a window partly off the screen.
    EXPECT_EQ(PlaceOverMainWindow({-301, -20, 508, 395}, 366, {268, 129}), QPoint(-181, 128));
}

}  // namespace
}  // namespace slcy
