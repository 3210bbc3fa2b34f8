#include "Giveup.h"

namespace slcy {

TGiveUpDlg::TGiveUpDlg(QWidget* mainWindow, const int& language)
    : MessageDialog(mainWindow, language,
                    {.label = {56, 20, 189, 26},
                     .wholeDialogBold = false,
                     .okLeft = 40,
                     .okGlyph = "dlg_bomb",
                     .okGlyphImages = 1,
                     .okGlyphSize = {18, 18},
                     .okResult = ModalResult::Yes,
                     .cancelLeft = 136,
                     .cancelGlyph = "dlg_cancel",
                     .cancelGlyphImages = 1,
                     .escapeResult = ModalResult::Cancel}) {}

void TGiveUpDlg::SetTexts() {
    Label1->setText(QString::fromUtf8(German() ? "Willst Du das Spiel wirklich von vorne beginnen?"
                                               : "Do you really want to start at the beginning?"));
    OKBtn->setText(German() ? "Ja" : "Yes");
    CancelBtn->setText(German() ? "Nein" : "No");
}

}  // namespace slcy
