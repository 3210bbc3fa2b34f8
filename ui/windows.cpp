#include "windows.h"

namespace slcy {

TMainForm* MainForm = nullptr;
TEndGameDlg* EndGameDlg = nullptr;
TRestartDlg* RestartDlg = nullptr;
TSolvedDlg* SolvedDlg = nullptr;
TTongueDlg* TongueDlg = nullptr;
TToSlowDlg* ToSlowDlg = nullptr;
TAllSolvedDlg* AllSolvedDlg = nullptr;
TGiveUpDlg* GiveUpDlg = nullptr;

}  // namespace slcy
