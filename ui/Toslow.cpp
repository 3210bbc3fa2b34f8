#include "Toslow.h"

namespace slcy {

TToSlowDlg::TToSlowDlg(QWidget* mainWindow, const int& language)
    : MessageDialog(mainWindow, language,
                    {.label = {88, 20, 121, 33},
                     .wholeDialogBold = true,
                     .okLeft = 92,
                     .okGlyph = "dlg_frown",
                     .okGlyphImages = 1,
                     .okGlyphSize = {17, 17},
                     .okResult = ModalResult::OK,
                     .cancelLeft = 0,
                     .cancelGlyph = nullptr,
                     .cancelGlyphImages = 1,
                     .escapeResult = ModalResult::None}) {}

void TToSlowDlg::SetTexts() {
    Label1->setText(QString::fromUtf8(German() ? "Du warst leider zu langsam!"
                                               : "Sorry, you weren't quick enough!"));
}

}  // namespace slcy
