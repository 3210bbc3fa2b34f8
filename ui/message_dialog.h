// The common build of the six message dialogs: the main window's icon beside a short bold
// message in a frame, one or two buttons below. Each dialog is created once and shown modally
// as often as needed; it places itself over the main window and sets its texts each time it
// becomes active, so a change of language shows at its next appearance.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "view.h"

namespace slcy {

class MessageDialog : public QDialog {
    Q_OBJECT
public:
    struct Layout {
        QRect label;
        bool wholeDialogBold;
        int okLeft;
        const char* okGlyph;
        int okGlyphImages;
        QSize okGlyphSize;
        ModalResult okResult;
        int cancelLeft;  // 0: no cancel button
        const char* cancelGlyph;
        int cancelGlyphImages;
        ModalResult escapeResult;  // ModalResult::None: Esc does nothing
    };

    // `mainWindow` gives the icon and the place; `language` is read at every activation.
    MessageDialog(QWidget* mainWindow, const int& language, const Layout& layout);

    // Shows the dialog modally and returns how it was closed.
    ModalResult Execute();
    ModalResult result() const { return static_cast<ModalResult>(QDialog::result()); }

    QFrame* Bevel1;
    QLabel* Image1;
    QLabel* Label1;
    QPushButton* OKBtn;
    QPushButton* CancelBtn = nullptr;

protected:
    bool German() const { return language_ == 1; }
    // Sets the message and, in the questions, the button captions.
    virtual void SetTexts() = 0;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Activate();

    QWidget* main_window_;
    const int& language_;
    ModalResult escape_result_;
};

}  // namespace slcy
