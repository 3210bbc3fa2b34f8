// Announces a level lost to the clock.
#pragma once

#include "message_dialog.h"

namespace slcy {

class TToSlowDlg : public MessageDialog {
    Q_OBJECT
public:
    TToSlowDlg(QWidget* mainWindow, const int& language);
};

}  // namespace slcy
