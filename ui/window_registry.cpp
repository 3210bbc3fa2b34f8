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

Windows::Windows() = default;

Windows::~Windows() = default;

void Windows::CreateDialogs() {
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

TMainForm& Windows::MainForm() const { return Existing(main_, "TMainForm"); }
TSplash& Windows::Splash() const { return Existing(splash_, "TSplash"); }
TEndGameDlg& Windows::EndGameDlg() const { return Existing(end_game_, "TEndGameDlg"); }
TInfoDialog& Windows::InfoDialog() const { return Existing(info_, "TInfoDialog"); }
TRestartDlg& Windows::RestartDlg() const { return Existing(restart_, "TRestartDlg"); }
TSolvedDlg& Windows::SolvedDlg() const { return Existing(solved_, "TSolvedDlg"); }
TTongueDlg& Windows::TongueDlg() const { return Existing(tongue_, "TTongueDlg"); }
TToSlowDlg& Windows::ToSlowDlg() const { return Existing(to_slow_, "TToSlowDlg"); }
TAllSolvedDlg& Windows::AllSolvedDlg() const { return Existing(all_solved_, "TAllSolvedDlg"); }
TGiveUpDlg& Windows::GiveUpDlg() const { return Existing(give_up_, "TGiveUpDlg"); }

}  // namespace slcy
