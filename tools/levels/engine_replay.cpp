#include "engine_replay.h"

#include "game.h"

namespace slcy::levels {

namespace {

class QuietView final : public GameView {
public:
    void DrawBackground() override {}
    void DrawCell(int, int) override {}
    void DrawTurnFrame(int, int, int, int) override {}
    void DrawWetMarker(int, int, int) override {}
    void PresentDrawing() override {}
    void timboxPaint() override {}
    void levelboxPaint() override {}
    void RefreshCaptionAndGauge() override {}
    void ApplyLanguage() override {}
    void SetPauseBtnEnabled(bool) override {}
    void SetPauseTextVisible(bool) override {}
    void SetLevelScrollMax(int) override {}
    void SetLevelScrollPosition(int) override {}
    void SetTimerEnabled(bool) override {}
    void PlaySoundEffect(SoundId) override {}
    ModalResult ShowGiveUpDlg() override { return ModalResult::No; }
    ModalResult ShowRestartDlg() override { return ModalResult::No; }
    ModalResult ShowSolvedDlg() override { return ModalResult::OK; }
    ModalResult ShowToSlowDlg() override { return ModalResult::OK; }
    ModalResult ShowAllSolvedDlg() override { return ModalResult::OK; }
    void ShowErrorMessage(const std::string&) override {}
};

// Every reading is a second later than the one before, so each animation pause ends at once.
class LeapingClock final : public MonotonicClock {
public:
    std::uint64_t NowMs() override { return now_ += 1000; }
    void Nap() override {}

private:
    std::uint64_t now_ = 0;
};

// The board's cells start 22 pixels in and are 36 pixels wide; a press in the middle of one.
constexpr int kBoardOrigin = 22;
constexpr int kCellSize = 36;
int PixelOf(int columnOrRow) { return kBoardOrigin + kCellSize * (columnOrRow - 1) + kCellSize / 2; }

}  // namespace

bool EngineSolvesWith(const LevelRecord& level, const std::vector<Click>& clicks) {
    QuietView view;
    LeapingClock clock;
    Game game(view, clock);
    game.LevelCatalogue.assign(1, level);
    game.LevelCount = 1;
    game.StartLevel(1);
    for (const Click& click : clicks) {
        if (game.Board.PlayState != PlayState::Running) break;
        // A press on a dry piece is refused; a solution never needs one.
        if (!OnBoard(click.At.Column, click.At.Row) || !game.Board.Wet(click.At.Column, click.At.Row))
            return false;
        game.boxMouseDown(click.Button, PixelOf(click.At.Column), PixelOf(click.At.Row));
    }
    return game.Board.PlayState == PlayState::Solved;
}

}  // namespace slcy::levels
