// Asks before the game is closed.
#pragma once

#include "message_dialog.h"

namespace slcy {

class TEndGameDlg : public MessageDialog {
    Q_OBJECT
public:
    TEndGameDlg(QWidget* mainWindow, const int& language);
};

}  // namespace slcy
