// Asks before a new game throws away every result.
#pragma once

#include "message_dialog.h"

namespace slcy {

class TGiveUpDlg : public MessageDialog {
    Q_OBJECT
public:
    TGiveUpDlg(QWidget* mainWindow, const int& language);
};

}  // namespace slcy
