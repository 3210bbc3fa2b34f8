// Announces, once a run, that every level is solved.
#pragma once

#include "message_dialog.h"

namespace slcy {

class TAllSolvedDlg : public MessageDialog {
    Q_OBJECT
public:
    TAllSolvedDlg(QWidget* mainWindow, const int& language);
};

}  // namespace slcy
