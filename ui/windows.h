// Every window exists once, from start-up to the end of the program. The program creates them
// in a fixed order, main window first; these are the one variable per window through which
// they are reached. A dialog not (yet) created answers as if refused or acknowledged.
#pragma once

namespace slcy {

class TMainForm;
class TGiveUpDlg;
class TRestartDlg;
class TEndGameDlg;
class TSolvedDlg;
class TToSlowDlg;
class TAllSolvedDlg;
class TTongueDlg;
class TSplash;
class TInfoDialog;

extern TMainForm* MainForm;
extern TSplash* Splash;
extern TEndGameDlg* EndGameDlg;
extern TInfoDialog* InfoDialog;
extern TRestartDlg* RestartDlg;
extern TSolvedDlg* SolvedDlg;
extern TTongueDlg* TongueDlg;
extern TToSlowDlg* ToSlowDlg;
extern TAllSolvedDlg* AllSolvedDlg;
extern TGiveUpDlg* GiveUpDlg;

}  // namespace slcy
