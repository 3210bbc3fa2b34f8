// A GameView that writes down every call, and a clock that moves only when the game waits:
// tests read like the rules they check and run in no time.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "clock.h"
#include "null_view.h"
#include "view.h"

namespace slcy::testing {

class FakeClock final : public MonotonicClock {
public:
    std::uint64_t NowMs() override { return now_; }
    void Nap() override { ++now_; }
    std::uint64_t now_ = 1000;
};

class RecordingView : public GameView {
public:
    // Every call as a short line, e.g. "DrawCell 3 4", "Sound 1", "Present".
    std::vector<std::string> calls;

    // Answers the dialogs will give, in order; when none is queued a question is refused
    // (Cancel) and an announcement is acknowledged (OK).
    std::deque<ModalResult> answers;

    bool timer_enabled = false;
    bool pause_btn_enabled = false;
    bool pause_text_visible = false;
    int level_scroll_max = 0;
    int level_scroll_position = 1;
    std::vector<std::string> errors;

    void DrawBackground() override { Log("DrawBackground"); }
    void DrawCell(int c, int r) override { Log("DrawCell " + Cell(c, r)); }
    void DrawTurnFrame(int c, int r, int kind, int frame) override {
        Log("TurnFrame " + Cell(c, r) + " kind " + std::to_string(kind) + " frame " +
            std::to_string(frame));
    }
    void DrawWetMarker(int c, int r, int frame) override {
        Log("Marker " + Cell(c, r) + " frame " + std::to_string(frame));
    }
    void PresentDrawing() override { Log("Present"); }
    void timboxPaint() override { Log("timboxPaint"); }
    void levelboxPaint() override { Log("levelboxPaint"); }
    void RefreshCaptionAndGauge() override { Log("RefreshCaptionAndGauge"); }
    void ApplyLanguage() override { Log("ApplyLanguage"); }
    void SetPauseBtnEnabled(bool on) override { pause_btn_enabled = on; }
    void SetPauseTextVisible(bool on) override { pause_text_visible = on; }
    void SetLevelScrollMax(int m) override { level_scroll_max = m; }
    void SetLevelScrollPosition(int p) override { level_scroll_position = p; }
    void SetTimerEnabled(bool on) override {
        timer_enabled = on;
        Log(on ? "TimerOn" : "TimerOff");
    }
    void LevelStarted() override {}
    void PlaySoundEffect(SoundId s) override { Log("Sound " + std::to_string(static_cast<int>(s))); }
    ModalResult ShowGiveUpDlg() override { return Ask("GiveUpDlg", ModalResult::Cancel); }
    ModalResult ShowRestartDlg() override { return Ask("RestartDlg", ModalResult::Cancel); }
    ModalResult ShowSolvedDlg() override { return Ask("SolvedDlg", ModalResult::OK); }
    ModalResult ShowToSlowDlg() override { return Ask("ToSlowDlg", ModalResult::OK); }
    ModalResult ShowAllSolvedDlg() override { return Ask("AllSolvedDlg", ModalResult::OK); }
    void ShowErrorMessage(const std::string& text) override {
        errors.push_back(text);
        Log("Error");
    }

    // The calls whose line starts with `prefix`, in order.
    std::vector<std::string> Calls(const std::string& prefix) const {
        std::vector<std::string> found;
        for (const auto& c : calls)
            if (c.rfind(prefix, 0) == 0) found.push_back(c);
        return found;
    }
    int Count(const std::string& prefix) const { return static_cast<int>(Calls(prefix).size()); }
    void Clear() { calls.clear(); }

protected:
    void Log(std::string line) { calls.push_back(std::move(line)); }
    static std::string Cell(int c, int r) { return std::to_string(c) + " " + std::to_string(r); }
    ModalResult Ask(const std::string& dialog, ModalResult otherwise) {
        Log(dialog);
        if (answers.empty()) return otherwise;
        ModalResult r = answers.front();
        answers.pop_front();
        return r;
    }
};

}  // namespace slcy::testing
