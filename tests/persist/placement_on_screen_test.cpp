// The main window's placement with a real (offscreen) screen: stored when the window goes,
// restored when it is shown.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "persist_test_support.h"
#include "settings_keys.h"
#include "settings_store.h"
#include "window_placement.h"

namespace slcy::testing {
namespace {

class PlacementOnScreen : public SettingsTest {
protected:
    void SetUp() override {
        SettingsTest::SetUp();
        window.resize(500, 394);
    }
    QRect Screen() const { return QGuiApplication::primaryScreen()->geometry(); }
    QString Stored() const { return GetSettingText(kSettingsSection, kPlacementKey, "(none)"); }

    QWidget window;
};

TEST_F(PlacementOnScreen, TheStoredPositionIsRestored) {
    PutSettingText(kSettingsSection, kPlacementKey, "200,0,1,30,40,530,434");
    RestoreMainWindowPlacement(&window);
    EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(30, 40));
}

TEST_F(PlacementOnScreen, RestoringKeepsTheWindowsSize) {
    PutSettingText(kSettingsSection, kPlacementKey, "200,0,3,30,40,3000,2000");
    RestoreMainWindowPlacement(&window);
    EXPECT_EQ(window.size(), QSize(500, 394));
}

TEST_F(PlacementOnScreen, APositionOffTheScreenIsBroughtBack) {
    PutSettingText(kSettingsSection, kPlacementKey, "200,0,1,5000,5000,5500,5394");
    RestoreMainWindowPlacement(&window);
    EXPECT_EQ(window.frameGeometry().bottomRight(), Screen().bottomRight());
}

TEST_F(PlacementOnScreen, WithoutAPlacementTheWindowIsCentred) {
    // "left" and "top" are never what decides.
    PutSettingInt(kSettingsSection, kLeftKey, 10);
    PutSettingInt(kSettingsSection, kTopKey, 10);
    RestoreMainWindowPlacement(&window);
    EXPECT_EQ(window.frameGeometry().topLeft(),
              QPoint((Screen().width() - 500) / 2, (Screen().height() - 394) / 2));
}

TEST_F(PlacementOnScreen, AMalformedPlacementCentresTheWindow) {
    PutSettingText(kSettingsSection, kPlacementKey, "200,a,b,c,d,e,f");
    RestoreMainWindowPlacement(&window);
    EXPECT_EQ(window.frameGeometry().topLeft(),
              QPoint((Screen().width() - 500) / 2, (Screen().height() - 394) / 2));
}

TEST_F(PlacementOnScreen, StoringWritesTheOuterRectangleOfTheShownWindow) {
    window.move(30, 40);
    window.show();
    const QRect outer = window.frameGeometry();
    StoreMainWindowPlacement(&window, window.frameGeometry());
    EXPECT_EQ(Stored(), QStringLiteral("200,0,1,30,40,%1,%2")
                            .arg(30 + outer.width())
                            .arg(40 + outer.height()));
}

TEST_F(PlacementOnScreen, StoringRemovesTheOldColourAndFontValues) {
    PutSettingText(kSettingsSection, kOldColorKey, "12");
    PutSettingText(kSettingsSection, kOldFontKey, "Arial");
    StoreMainWindowPlacement(&window, window.frameGeometry());
    EXPECT_EQ(GetSettingText(kSettingsSection, kOldColorKey, "(none)"), "(none)");
    EXPECT_EQ(GetSettingText(kSettingsSection, kOldFontKey, "(none)"), "(none)");
    EXPECT_TRUE(Stored().startsWith("200,"));
}

TEST_F(PlacementOnScreen, AMaximizedWindowIsStoredWithShowState3) {
    window.show();
    window.setWindowState(Qt::WindowMaximized);
    StoreMainWindowPlacement(&window, window.frameGeometry());
    const std::optional<PlacementRecord> stored = ParsePlacementText(Stored());
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->Show, ShowState::Maximized);
}

TEST_F(PlacementOnScreen, AMinimizedWindowIsStoredWithShowState2) {
    window.show();
    window.setWindowState(Qt::WindowMinimized);
    StoreMainWindowPlacement(&window, window.frameGeometry());
    const std::optional<PlacementRecord> stored = ParsePlacementText(Stored());
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->Show, ShowState::Minimized);
}

TEST_F(PlacementOnScreen, WhatIsStoredIsRestoredAtTheNextShowing) {
    window.move(61, 72);
    window.show();
    StoreMainWindowPlacement(&window, window.frameGeometry());
    QWidget next;
    next.resize(500, 394);
    RestoreMainWindowPlacement(&next);
    EXPECT_EQ(next.frameGeometry().topLeft(), QPoint(61, 72));
}

// Where the window system keeps the window's position to itself (Wayland), the place stored on
// X11 survives the run; only the show state, which is known, is written.
TEST_F(PlacementOnScreen, AnUnknownPositionKeepsTheStoredEdges) {
    PutSettingText(kSettingsSection, kPlacementKey, "200,0,1,100,50,606,445");
    window.show();
    window.setWindowState(Qt::WindowMaximized);
    StoreMainWindowPlacement(&window, std::nullopt);
    EXPECT_EQ(Stored(), "200,0,3,100,50,606,445");

    DropSetting(kSettingsSection, kPlacementKey);
    StoreMainWindowPlacement(&window, std::nullopt);
    EXPECT_EQ(Stored(), "(none)");
}

}  // namespace
}  // namespace slcy::testing
