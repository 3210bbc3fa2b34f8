// Announces a solved level.
#pragma once

#include "message_dialog.h"

namespace slcy {

class TSolvedDlg : public MessageDialog {
    Q_OBJECT
public:
    TSolvedDlg(QWidget* mainWindow, const int& language);
};

}  // namespace slcy
