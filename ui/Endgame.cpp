#include "Endgame.h"

namespace slcy {

TEndGameDlg::TEndGameDlg(QWidget* mainWindow, const int& language)
    : MessageDialog(mainWindow, language,
                    {.german = "Willst Du wirklich schon aufhören?",
                     .english = "Do you really want to go?",
                     .label = {72, 20, 153, 29},
                     .okGlyph = "dlg_door",
                     .cancelLeft = 136,
                     .escapeResult = ModalResult::Cancel}) {}

}  // namespace slcy
