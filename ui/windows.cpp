#include "windows.h"

namespace slcy {

TMainForm* MainForm = nullptr;
TSplash* Splash = nullptr;
TEndGameDlg* EndGameDlg = nullptr;
TInfoDialog* InfoDialog = nullptr;
TRestartDlg* RestartDlg = nullptr;
TSolvedDlg* SolvedDlg = nullptr;
TTongueDlg* TongueDlg = nullptr;
TToSlowDlg* ToSlowDlg = nullptr;
TAllSolvedDlg* AllSolvedDlg = nullptr;
TGiveUpDlg* GiveUpDlg = nullptr;

}  // namespace slcy
