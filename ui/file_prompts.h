// The progress files' dialogs and message boxes on the screen: the open and save dialogs
// (OpenDlg, SaveDlg) for "Sluicery-Dateien (*.slv)", the overwrite question and the error box.
// Their captions and buttons are German in both languages; the texts come from the flow.
#pragma once

#include <QFileDialog>
#include <QWidget>

#include "progress_flow.h"

namespace slcy {

class FilePrompts final : public ProgressPrompts {
public:
    // The dialogs and boxes open over `mainWindow`, which owns the two file dialogs.
    explicit FilePrompts(QWidget* mainWindow);

    std::optional<QString> AskSavePath(const DialogStart& start) override;
    bool AskOverwrite(const QString& question) override;
    std::optional<QString> AskOpenPath(const QString& folder) override;
    void ShowError(const QString& text) override;

    // Both accept names of files that do not exist yet; neither asks about overwriting (the
    // flow asks itself). A name typed without an extension gets ".slv".
    // Made at their first use: a file dialog is heavy, and most games never open one.
    QFileDialog* OpenDlg();
    QFileDialog* SaveDlg();

private:
    QWidget* main_window_;
    QFileDialog* open_dlg_ = nullptr;
    QFileDialog* save_dlg_ = nullptr;
};

}  // namespace slcy
