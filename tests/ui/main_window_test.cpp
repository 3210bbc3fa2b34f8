// The main window as the player meets it: presses on the board, the buttons, the texts.
#include <gtest/gtest.h>

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <QBackingStore>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "TwiceSizeArt.h"
#include "screen/backing_store.h"
#include "sound_noting_window.h"
#include "test_levels.h"
#include "texts.h"
#include "window_registry.h"

namespace slcy {
namespace {

using testing::MakeLevel;
using testing::WriteCatalogue;

// A window that keeps a copy of the board each time a frame is put on the screen.
class CapturingWindow : public SoundNotingWindow {
public:
    using SoundNotingWindow::SoundNotingWindow;
    std::vector<QImage> frames;
    void PresentDrawing() override {
        frames.push_back(drawing().box.copy());
        TMainForm::PresentDrawing();
    }
};

class MainWindow : public ::testing::Test {
protected:
    QTemporaryDir dir;
    WindowRegistry windows;
    CapturingWindow* window = nullptr;

    void SetUp() override {
        // Level 1: a cross at the start (1,1) joined to an end piece at (2,1); a dry bend at
        // (10,1). Level 2: a straight pipe alone.
        WriteCatalogue(QDir(dir.path()).filePath("slcy.dat").toStdString(),
                       {MakeLevel({1, 1}, {{1, 1, kCross, 0}, {2, 1, kEndPiece, 2}, {10, 1, kBend, 0}}),
                        MakeLevel({4, 4}, {{4, 4, kStraight, 0}})});
        window = &windows.CreateMainWindow<CapturingWindow>(dir.path() + '/');
        window->show();
        window->FirstActivation = false;  // no start dialogs in these tests
        QCoreApplication::processEvents();
    }
    Game& game() { return window->game(); }
    void PressAt(Qt::MouseButton button, int x, int y) {
        QTest::mousePress(window->box, button, {}, QPoint(x, y));
        QTest::mouseRelease(window->box, button, {}, QPoint(x, y));
    }
};

TEST_F(MainWindow, ClientAreaIs500By366WithTheBoardBelowTheToolBar) {
    EXPECT_EQ(window->size(), QSize(500, 366));
    EXPECT_EQ(window->box->geometry(), QRect(0, 33, 500, 333));
    EXPECT_EQ(window->gsol->geometry(), QRect(410, 163, 22, 180));
    EXPECT_EQ(window->ScrollPanel->geometry(), QRect(450, 163, 22, 181));
    EXPECT_EQ(window->LevelScroll->geometry(), QRect(0, 21, 22, 138));
    EXPECT_EQ(window->PauseText->geometry(), QRect(68, 136, 265, 109));
    // Each button is where the player clicks it: the tool bar left to right, then the level bar.
    const std::pair<QWidget*, QPoint> buttons[] = {
        {window->NewGameBtn, {16, 16}}, {window->RestartBtn, {43, 16}},
        {window->LoadBtn, {70, 16}},    {window->SaveBtn, {97, 16}},
        {window->PauseBtn, {124, 16}},  {window->SoundBtn, {151, 16}},
        {window->ExitBtn, {178, 16}},   {window->TongueBtn, {396, 16}},
        {window->RulesBtn, {423, 16}},  {window->InfoBtn, {450, 16}},
        {window->WumpleBtn, {479, 16}}, {window->sUpBtn, {461, 174}},
        {window->sDownBtn, {461, 333}},
    };
    for (const auto& [button, at] : buttons) EXPECT_EQ(window->childAt(at), button) << at.x();
}

TEST_F(MainWindow, PressesBetween22And381AreCells) {
    PressAt(Qt::MiddleButton, 381, 30);  // the dry bend in column 10: refused
    const std::vector<SoundId> refused{SoundId::DryPieceClicked};
    ASSERT_EQ(window->sounds, refused);
    PressAt(Qt::MiddleButton, 382, 30);
    PressAt(Qt::MiddleButton, 21, 30);
    PressAt(Qt::MiddleButton, 30, 21);
    EXPECT_EQ(window->sounds, refused);
    PressAt(Qt::MiddleButton, CellLeft(2), CellTop(1));  // the wet end piece at (2,1) becomes the source
    EXPECT_EQ(game().Board.SourceCell, (Cell{2, 1}));
}

TEST_F(MainWindow, TurnAndWaterFramesArePresentedInOrder) {
    window->frames.clear();
    PressAt(Qt::LeftButton, 30, 30);  // turn the cross at the source: same openings, no water change
    EXPECT_EQ(window->frames.size(), 2u);
    window->frames.clear();
    PressAt(Qt::RightButton, CellLeft(2) + 5, 30);  // turn the end piece away: (1,1) dries
    ASSERT_EQ(window->frames.size(), 2u + 6u);
    // Every frame differs from the one before it in the cells that move.
    for (size_t i = 1; i < window->frames.size(); ++i)
        EXPECT_NE(window->frames[i], window->frames[i - 1]) << "frame " << i;
}

TEST_F(MainWindow, CountersGaugeAndCaptionFollowTheState) {
    Entry(game().ProgressTable, 2) = 17;
    window->RefreshCaptionAndGauge();
    EXPECT_EQ(window->windowTitle(), "Sluicery 2.4");
    EXPECT_EQ(window->gsol->toolTip(), "1 of 2 levels solved");
    EXPECT_EQ(window->levelbox->toolTip(), "Level 1: unsolved");
    game().ProgressPath = "/tmp/week1.slv";
    game().Language = kGerman;
    window->ApplyLanguage();
    EXPECT_EQ(window->windowTitle(), "Sluicery 2.4 - Spiel week1.slv");
    EXPECT_EQ(window->gsol->toolTip(), QString::fromUtf8("1 von 2 Stufen gelöst"));
    EXPECT_EQ(window->levelbox->toolTip(), QString::fromUtf8("Stufe 1: ungelöst"));
}

TEST_F(MainWindow, LanguageReachesEveryHintLabelAndThePauseText) {
    game().Language = kGerman;
    window->ApplyLanguage();
    EXPECT_EQ(window->NewGameBtn->toolTip(), "Ich fang ein neues Spiel an.");
    EXPECT_EQ(window->SoundBtn->toolTip(), QString::fromUtf8("Die Geräusche mag ich nicht immer."));
    EXPECT_EQ(window->sUpBtn->toolTip(), QString::fromUtf8("nächsthöhere ungelöste Stufe"));
    EXPECT_EQ(window->TimeLabel->text(), "Zeit:");
    EXPECT_EQ(window->levellabel->text(), "Stufe:");
    EXPECT_EQ(window->TongueBtn->toolTip(), "I don't speak german.");
    EXPECT_EQ(window->PauseText->text(), "Spiel angehalten! Linke Maustaste zum weitermachen.");
    game().Language = 7;  // anything but 1 is English
    window->ApplyLanguage();
    EXPECT_EQ(window->NewGameBtn->toolTip(), "I want to play a new game.");
    EXPECT_EQ(window->TimeLabel->text(), "Time:");
    EXPECT_EQ(window->TongueBtn->toolTip(), "Ich spreche nicht englisch.");
    EXPECT_EQ(window->InfoBtn->toolTip(), "Who did these WUMPLE GAME?");
    EXPECT_EQ(window->SaveBtn->toolTip(), "Save often, save always.");
}

TEST_F(MainWindow, PauseShowsTheTextAndAClickOnItResumes) {
    QTest::mouseClick(window->PauseBtn, Qt::LeftButton);
    EXPECT_EQ(game().Board.PlayState, PlayState::Paused);
    EXPECT_TRUE(window->PauseText->isVisible());
    EXPECT_FALSE(window->PauseBtn->isEnabled());
    QTest::mouseClick(window->PauseText, Qt::LeftButton);
    EXPECT_EQ(game().Board.PlayState, PlayState::Running);
    EXPECT_FALSE(window->PauseText->isVisible());
}

TEST_F(MainWindow, LevelBarButtonsAndSelectorChangeTheLevel) {
    EXPECT_EQ(window->LevelScroll->maximum(), 2);
    EXPECT_EQ(window->LevelScroll->value(), 2);
    QTest::mouseClick(window->sUpBtn, Qt::LeftButton);
    EXPECT_EQ(game().Board.CurrentLevel, 2);
    EXPECT_EQ(window->LevelScroll->value(), 1);
    window->LevelScroll->setFocus();
    QTest::keyClick(window->LevelScroll, Qt::Key_Down);
    EXPECT_EQ(game().Board.CurrentLevel, 1);
}

TEST_F(MainWindow, TheTimerCountsTheLevelDown) {
    EXPECT_TRUE(window->Timer->isActive());
    const int before = game().Board.TimeLeft;
    window->TimerTimer();
    EXPECT_EQ(game().Board.TimeLeft, before - 1);
}

// A showing after the first (the window un-minimised) redraws the board from the state, as the
// window system's repaint always did: a piece changed without being drawn appears.
TEST_F(MainWindow, ShowingAgainRedrawsTheBoardFromTheState) {
    const QImage shown = window->drawing().box.copy();
    game().Board.PieceGrid[CellIndex(10, 1)] = MakeTile(kBend, 1);
    window->hide();
    EXPECT_EQ(window->drawing().box, shown);
    window->show();
    const QRect bend = CellRect(10, 1);
    EXPECT_NE(window->drawing().box.copy(bend), shown.copy(bend));
    EXPECT_EQ(window->drawing().box.copy(CellRect(4, 4)), shown.copy(CellRect(4, 4)));
}

// Qt hands the drawing of a tall image to worker threads, which it starts at the first paint:
// the board is shown without them.
TEST_F(MainWindow, ShowingTheBoardStartsNoWorkerThreads) {
    window->box->repaint();
    QStringList names;
    for (const QFileInfo& task :
         QDir(QStringLiteral("/proc/self/task")).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(task.filePath() + QStringLiteral("/comm"));
        if (comm.open(QIODevice::ReadOnly)) names << QString::fromUtf8(comm.readAll()).trimmed();
    }
    EXPECT_FALSE(names.contains(QStringLiteral("Thread (pooled)")))
        << names.join(u',').toStdString();
}

// The pixels a window is painted into are the window's size and in memory, for writing, before
// its first paint: the paint does not stop at each page to have it brought in.
TEST(WindowPixels, AreInMemoryBeforeTheFirstPaint) {
    // A block this large then comes fresh from the system, none of its pages in memory yet.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    QWidget window;
    window.resize(500, 366);
    window.show();  // no event handled: not painted
    PrepareBackingStore(window);
    const auto* image = dynamic_cast<const QImage*>(window.backingStore()->paintDevice());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->size(), window.size() * window.devicePixelRatio());
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const uchar* const bits = image->constBits();
    const std::size_t intoPage = reinterpret_cast<std::uintptr_t>(bits) % page;
    const std::size_t length = intoPage + static_cast<std::size_t>(image->sizeInBytes());
    std::vector<unsigned char> resident((length + page - 1) / page);
    ASSERT_EQ(mincore(const_cast<uchar*>(bits - intoPage), length, resident.data()), 0);
    EXPECT_EQ(std::count_if(resident.begin(), resident.end(), [](unsigned char r) { return !(r & 1); }), 0)
        << "of " << resident.size() << " pages";
}

// Run with QT_SCALE_FACTOR=2 (ctest main_window_at_scale_2): the window draws with the art at
// twice the size, shows it pixel for pixel, and a click in the window's own coordinates still
// lands on the cell under it.
TEST(MainWindowAtScale2, ShowsThe2xCompositionAndMapsClicksToCells) {
    if (qApp->devicePixelRatio() != 2) GTEST_SKIP() << "needs a screen that scales by 2";
    ASSERT_TRUE(assets::RegisterTwiceSizeArt(QStringLiteral(SLCY_BIN_DIR)));
    QTemporaryDir dir;
    WriteCatalogue(QDir(dir.path()).filePath("slcy.dat").toStdString(),
                   {MakeLevel({1, 1}, {{1, 1, kCross, 0}, {2, 1, kEndPiece, 2}})});
    WindowRegistry windows;
    TMainForm& window = windows.CreateMainWindow(dir.path() + '/');
    window.FirstActivation = false;
    window.show();
    QCoreApplication::processEvents();

    ASSERT_EQ(window.drawing().scale(), 2);
    EXPECT_EQ(window.box->size(), QSize(500, 333));
    EXPECT_EQ(window.box->grab().toImage().convertToFormat(QImage::Format_RGB32),
              window.drawing().box.convertToFormat(QImage::Format_RGB32));

    QTest::mousePress(window.box, Qt::RightButton, {}, QPoint(CellLeft(2) + 35, CellTop(1) + 35));
    EXPECT_EQ(window.game().Board.Piece(2, 1), MakeTile(kEndPiece, 1));
    EXPECT_EQ(window.game().Board.SourceCell, (Cell{2, 1}));
}

}  // namespace
}  // namespace slcy
