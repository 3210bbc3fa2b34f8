#include "Toslow.h"

namespace slcy {

TToSlowDlg::TToSlowDlg(QWidget* mainWindow, const int& language)
    : MessageDialog(mainWindow, language,
                    {.german = "Du warst leider zu langsam!",
                     .english = "Sorry, you weren't quick enough!",
                     .label = {88, 20, 121, 33},
                     .wholeDialogBold = true,
                     .okLeft = 92,
                     .okGlyph = "dlg_frown",
                     .okResult = ModalResult::OK}) {}

}  // namespace slcy
