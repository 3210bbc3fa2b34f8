#include "Giveup.h"

namespace slcy {

TGiveUpDlg::TGiveUpDlg(QWidget* mainWindow, const int& language)
    : MessageDialog(mainWindow, language,
                    {.german = "Willst Du das Spiel wirklich von vorne beginnen?",
                     .english = "Do you really want to start at the beginning?",
                     .label = {56, 20, 189, 26},
                     .okGlyph = "dlg_bomb",
                     .cancelLeft = 136,
                     .escapeResult = ModalResult::Cancel}) {}

}  // namespace slcy
