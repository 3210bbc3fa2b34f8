// Every window of the game exists once, from start-up to the end of the program. They are
// made in a fixed order: the main window first, whose start-up (settings, progress file,
// catalogue, first level) runs before any dialog exists and which gives every dialog its
// icon; then the nine dialogs, all at once, when the first of them is asked for: the start
// dialogs come only after the main window's first paint, which so waits for none of them. The
// registry owns them all and is handed to whoever needs one.
//
// Asking for a window before the main window is made is a programming error, not a question
// the program may answer for the player: it is logged and ends the program.
#pragma once

#include <QString>
#include <memory>

#include "screen/modal_in_front.h"

namespace slcy {

class TMainForm;
class TSplash;
class TEndGameDlg;
class TInfoDialog;
class TRestartDlg;
class TSolvedDlg;
class TTongueDlg;
class TToSlowDlg;
class TAllSolvedDlg;
class TGiveUpDlg;

class WindowRegistry {
public:
    WindowRegistry();
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    // The main window, made and started. `Window` is TMainForm or a test's subclass of it.
    template <class Window = TMainForm>
    Window& CreateMainWindow(const QString& programDirectory) {
        auto window = std::make_unique<Window>(programDirectory, *this);
        Window& made = *window;
        main_ = std::move(window);
        return made;
    }
    // The dialogs over the main window, in the order the game has always made them; made once,
    // by the first call or the first dialog asked for. Every picture the start-up reads has then
    // been read, and the pages of the program that held them are handed back.
    void CreateDialogs();
    bool DialogsMade() const { return splash_ != nullptr; }

    TMainForm& MainForm() const;
    TSplash& Splash();
    TEndGameDlg& EndGameDlg();
    TInfoDialog& InfoDialog();
    TRestartDlg& RestartDlg();
    TSolvedDlg& SolvedDlg();
    TTongueDlg& TongueDlg();
    TToSlowDlg& ToSlowDlg();
    TAllSolvedDlg& AllSolvedDlg();
    TGiveUpDlg& GiveUpDlg();

private:
    // The dialog `member` holds, the dialogs made first if they are not yet.
    template <class Dialog>
    Dialog& MadeDialog(std::unique_ptr<Dialog> WindowRegistry::*member);

    ModalDialogInFront modal_in_front_;
    // Destroyed in the reverse order: the dialogs, children of the main window, go first.
    std::unique_ptr<TMainForm> main_;
    std::unique_ptr<TSplash> splash_;
    std::unique_ptr<TEndGameDlg> end_game_;
    std::unique_ptr<TInfoDialog> info_;
    std::unique_ptr<TRestartDlg> restart_;
    std::unique_ptr<TSolvedDlg> solved_;
    std::unique_ptr<TTongueDlg> tongue_;
    std::unique_ptr<TToSlowDlg> to_slow_;
    std::unique_ptr<TAllSolvedDlg> all_solved_;
    std::unique_ptr<TGiveUpDlg> give_up_;
};

}  // namespace slcy
