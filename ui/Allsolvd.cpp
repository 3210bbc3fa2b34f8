#include "Allsolvd.h"

namespace slcy {

TAllSolvedDlg::TAllSolvedDlg(QWidget* mainWindow, const int& language)
    : MessageDialog(mainWindow, language,
                    {.label = {68, 14, 165, 41},
                     .wholeDialogBold = true,
                     .okLeft = 92,
                     .okGlyph = "dlg_smile",
                     .okGlyphImages = 1,
                     .okGlyphSize = {17, 17},
                     .okResult = ModalResult::OK,
                     .cancelLeft = 0,
                     .cancelGlyph = nullptr,
                     .cancelGlyphImages = 1,
                     .escapeResult = ModalResult::None}) {}

void TAllSolvedDlg::SetTexts() {
    Label1->setText(QString::fromUtf8(German() ? "Gratulation, Du hast alle Stufen gelöst."
                                               : "Congratulation, you solved all levels."));
}

}  // namespace slcy
