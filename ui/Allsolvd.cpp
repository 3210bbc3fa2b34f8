#include "Allsolvd.h"

namespace slcy {

TAllSolvedDlg::TAllSolvedDlg(QWidget* mainWindow, const int& language)
    : MessageDialog(mainWindow, language,
                    {.german = "Gratulation, Du hast alle Stufen gelöst.",
                     .english = "Congratulation, you solved all levels.",
                     .label = {68, 14, 165, 41},
                     .wholeDialogBold = true,
                     .okLeft = 92,
                     .okGlyph = "dlg_smile",
                     .okResult = ModalResult::OK}) {}

}  // namespace slcy
