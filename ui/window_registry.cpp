#include "window_registry.h"

#include <QtGlobal>

#include "Allsolvd.h"
#include "CompiledArtPages.h"
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

WindowRegistry::WindowRegistry() = default;

WindowRegistry::~WindowRegistry() = default;

void WindowRegistry::CreateDialogs() {
    if (splash_) return;
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
    assets::ReleaseCompiledArtPages();
}

template <class Dialog>
Dialog& WindowRegistry::MadeDialog(std::unique_ptr<Dialog> WindowRegistry::*member) {
    CreateDialogs();
    // Null only while a dialog of the nine is being made and asks for one made after it.
    if (!(this->*member)) qFatal("a dialog was asked for while the dialogs were being made");
    return *(this->*member);
}

TMainForm& WindowRegistry::MainForm() const {
    if (!main_) qFatal("a window was asked for before the main window was made");
    return *main_;
}
TSplash& WindowRegistry::Splash() { return MadeDialog(&WindowRegistry::splash_); }
TEndGameDlg& WindowRegistry::EndGameDlg() { return MadeDialog(&WindowRegistry::end_game_); }
TInfoDialog& WindowRegistry::InfoDialog() { return MadeDialog(&WindowRegistry::info_); }
TRestartDlg& WindowRegistry::RestartDlg() { return MadeDialog(&WindowRegistry::restart_); }
TSolvedDlg& WindowRegistry::SolvedDlg() { return MadeDialog(&WindowRegistry::solved_); }
TTongueDlg& WindowRegistry::TongueDlg() { return MadeDialog(&WindowRegistry::tongue_); }
TToSlowDlg& WindowRegistry::ToSlowDlg() { return MadeDialog(&WindowRegistry::to_slow_); }
TAllSolvedDlg& WindowRegistry::AllSolvedDlg() { return MadeDialog(&WindowRegistry::all_solved_); }
TGiveUpDlg& WindowRegistry::GiveUpDlg() { return MadeDialog(&WindowRegistry::give_up_); }

}  // namespace slcy
