#include "file_prompts.h"

#include <QMessageBox>
#include <QPushButton>

#include "screen/message_box.h"

namespace slcy {

namespace {

QFileDialog* MakeProgressFileDialog(QWidget* parent, QFileDialog::AcceptMode mode) {
    auto* dialog = new QFileDialog(parent);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilter(QStringLiteral("Sluicery-Dateien (*.slv)"));
    dialog->setDefaultSuffix(QStringLiteral("slv"));
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    return dialog;
}

std::optional<QString> Run(QFileDialog* dialog, const QString& folder, const QString& name) {
    if (!folder.isEmpty()) dialog->setDirectory(folder);
    dialog->selectFile(name);
    if (dialog->exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog->selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.first();
}

}  // namespace

FilePrompts::FilePrompts(QWidget* mainWindow) : main_window_(mainWindow) {}

QFileDialog* FilePrompts::OpenDlg() {
    if (!open_dlg_) open_dlg_ = MakeProgressFileDialog(main_window_, QFileDialog::AcceptOpen);
    return open_dlg_;
}

QFileDialog* FilePrompts::SaveDlg() {
    if (!save_dlg_) save_dlg_ = MakeProgressFileDialog(main_window_, QFileDialog::AcceptSave);
    return save_dlg_;
}

std::optional<QString> FilePrompts::AskSavePath(const DialogStart& start) {
    return Run(SaveDlg(), start.Folder, start.Name);
}

std::optional<QString> FilePrompts::AskOpenPath(const QString& folder) {
    return Run(OpenDlg(), folder, QString());
}

bool FilePrompts::AskOverwrite(const QString& question) {
    CentredMessageBox box(QMessageBox::Warning, QStringLiteral("Warnung"), question, main_window_);
    QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    // Closing the box any other way keeps the earlier file.
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

// At start-up the main window is not on the screen yet: the box stands in the middle of the
// screen then, not at the corner where the hidden window would put it.
void FilePrompts::ShowError(const QString& text) {
    CentredMessageBox box(QMessageBox::Critical, QStringLiteral("Fehler"), text, main_window_);
    box.setDefaultButton(box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
    box.exec();
}

}  // namespace slcy
