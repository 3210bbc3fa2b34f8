// Asks before a running or paused level is given up and started again.
#pragma once

#include "message_dialog.h"

namespace slcy {

class TRestartDlg : public MessageDialog {
    Q_OBJECT
public:
    TRestartDlg(QWidget* mainWindow, const int& language);
};

}  // namespace slcy
