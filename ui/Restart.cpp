#include "Restart.h"

namespace slcy {

TRestartDlg::TRestartDlg(QWidget* mainWindow, const int& language)
    : MessageDialog(mainWindow, language,
                    {.label = {56, 20, 189, 26},
                     .wholeDialogBold = false,
                     .okLeft = 40,
                     .okGlyph = "dlg_restart_yes",
                     .okGlyphImages = 2,
                     .okGlyphSize = {18, 18},
                     .okResult = ModalResult::Yes,
                     .cancelLeft = 128,
                     .cancelGlyph = "dlg_restart_no",
                     .cancelGlyphImages = 2,
                     .escapeResult = ModalResult::No}) {}

void TRestartDlg::SetTexts() {
    Label1->setText(QString::fromUtf8(German() ? "Willst Du die Stufe wirklich aufgeben?"
                                               : "Do you really want to give up the level?"));
    OKBtn->setText(German() ? "Ja" : "Yes");
    CancelBtn->setText(German() ? "Nein" : "No");
}

}  // namespace slcy
