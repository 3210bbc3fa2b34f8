#include "Endgame.h"

namespace slcy {

TEndGameDlg::TEndGameDlg(QWidget* mainWindow, const int& language)
    : MessageDialog(mainWindow, language,
                    {.label = {72, 20, 153, 29},
                     .wholeDialogBold = false,
                     .okLeft = 40,
                     .okGlyph = "dlg_door",
                     .okGlyphImages = 1,
                     .okGlyphSize = {18, 18},
                     .okResult = ModalResult::Yes,
                     .cancelLeft = 136,
                     .cancelGlyph = "dlg_cancel",
                     .cancelGlyphImages = 1,
                     .escapeResult = ModalResult::Cancel}) {}

void TEndGameDlg::SetTexts() {
    Label1->setText(QString::fromUtf8(German() ? "Willst Du wirklich schon aufhören?"
                                               : "Do you really want to go?"));
    OKBtn->setText(German() ? "Ja" : "Yes");
    CancelBtn->setText(German() ? "Nein" : "No");
}

}  // namespace slcy
