#include "Restart.h"

namespace slcy {

TRestartDlg::TRestartDlg(QWidget* mainWindow, const int& language)
    : MessageDialog(mainWindow, language,
                    {.german = "Willst Du die Stufe wirklich aufgeben?",
                     .english = "Do you really want to give up the level?",
                     .label = {56, 20, 189, 26},
                     .okGlyph = "dlg_restart_yes",
                     .cancelLeft = 128,
                     .cancelGlyph = "dlg_restart_no",
                     .escapeResult = ModalResult::No}) {}

}  // namespace slcy
