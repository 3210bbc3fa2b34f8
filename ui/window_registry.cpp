#include "window_registry.h"

#include <QtGlobal>

#include "Allsolvd.h"
#include "Endgame.h"
#include "Giveup.h"
#include "Infodlg.h"
#include "Main.h"
#include "Restart.h"
#include "Solved.h"
#include "Splasher.h"
#include "Tongdlg.h"
#include "Toslow.h"

namespace slcy {

namespace {
template <class Window>
Window& Existing(const std::unique_ptr<Window>& window, const char* name) {
    if (!window) qFatal("%s was asked for before it was made", name);
    return *window;
}
}  // namespace

WindowRegistry::WindowRegistry() = default;

WindowRegistry::~WindowRegistry() = default;

void WindowRegistry::CreateDialogs() {
    TMainForm& main = MainForm();
    const int& language = main.game().Language;
    splash_ = std::make_unique<TSplash>(&main);
    end_game_ = std::make_unique<TEndGameDlg>(&main, language);
    info_ = std::make_unique<TInfoDialog>(*this);
    restart_ = std::make_unique<TRestartDlg>(&main, language);
    solved_ = std::make_unique<TSolvedDlg>(&main, language);
    tongue_ = std::make_unique<TTongueDlg>(&main, main.game().Language);
    to_slow_ = std::make_unique<TToSlowDlg>(&main, language);
    all_solved_ = std::make_unique<TAllSolvedDlg>(&main, language);
    give_up_ = std::make_unique<TGiveUpDlg>(&main, language);
}

TMainForm& WindowRegistry::MainForm() const { return Existing(main_, "TMainForm"); }
TSplash& WindowRegistry::Splash() const { return Existing(splash_, "TSplash"); }
TEndGameDlg& WindowRegistry::EndGameDlg() const { return Existing(end_game_, "TEndGameDlg"); }
TInfoDialog& WindowRegistry::InfoDialog() const { return Existing(info_, "TInfoDialog"); }
TRestartDlg& WindowRegistry::RestartDlg() const { return Existing(restart_, "TRestartDlg"); }
TSolvedDlg& WindowRegistry::SolvedDlg() const { return Existing(solved_, "TSolvedDlg"); }
TTongueDlg& WindowRegistry::TongueDlg() const { return Existing(tongue_, "TTongueDlg"); }
TToSlowDlg& WindowRegistry::ToSlowDlg() const { return Existing(to_slow_, "TToSlowDlg"); }
TAllSolvedDlg& WindowRegistry::AllSolvedDlg() const { return Existing(all_solved_, "TAllSolvedDlg"); }
TGiveUpDlg& WindowRegistry::GiveUpDlg() const { return Existing(give_up_, "TGiveUpDlg"); }

}  // namespace slcy
