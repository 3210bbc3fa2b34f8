#include "Solved.h"

namespace slcy {

TSolvedDlg::TSolvedDlg(QWidget* mainWindow, const int& language)
    : MessageDialog(mainWindow, language,
                    {.german = "Hurra, geschafft!",
                     .english = "Hurrah, you did it!",
                     .label = {60, 28, 181, 17},
                     .wholeDialogBold = true,
                     .okLeft = 92,
                     .okGlyph = "dlg_smile",
                     .okResult = ModalResult::OK}) {}

}  // namespace slcy
