// A view that shows nothing and a clock whose pauses end at once: for tools, fuzzers and
// benchmarks that want only the rules.
#pragma once

#include <cstdint>
#include <string>

#include "clock.h"
#include "view.h"

namespace slcy {

class NullView : public GameView {
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
    void LevelStarted() override {}
    void SetTimerEnabled(bool) override {}
    void PlaySoundEffect(SoundId) override {}
    // The questions are answered yes, the announcements acknowledged.
    ModalResult ShowGiveUpDlg() override { return ModalResult::Yes; }
    ModalResult ShowRestartDlg() override { return ModalResult::Yes; }
    ModalResult ShowSolvedDlg() override { return ModalResult::OK; }
    ModalResult ShowToSlowDlg() override { return ModalResult::OK; }
    ModalResult ShowAllSolvedDlg() override { return ModalResult::OK; }
    void ShowErrorMessage(const std::string&) override {}
};

// Every reading is a second later than the one before, so each pause ends at once.
class InstantClock final : public MonotonicClock {
public:
    std::uint64_t NowMs() override { return now_ += 1000; }
    void Nap() override {}

private:
    std::uint64_t now_ = 0;
};

}  // namespace slcy
