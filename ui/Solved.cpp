#include "Solved.h"

namespace slcy {

TSolvedDlg::TSolvedDlg(QWidget* mainWindow, const int& language)
    : MessageDialog(mainWindow, language,
                    {.label = {60, 28, 181, 17},
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

void TSolvedDlg::SetTexts() {
    Label1->setText(QString::fromUtf8(German() ? "Hurra, geschafft!"
                                               : "Hurrah, you did it!"));
}

}  // namespace slcy
