// The language choice: two buttons, each speaking its own language. It changes only the
// language; whoever opened it applies the texts afterwards.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace slcy {

class TTongueDlg : public QDialog {
    Q_OBJECT
public:
    TTongueDlg(QWidget* mainWindow, int& language);

    // Shows the dialog modally. Closing it by the close box leaves the language as it was.
    int Execute();

    QFrame* Bevel1;
    QLabel* Image4;
    QPushButton* EnglishBtn;
    QPushButton* GermanBtn;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Choose(int language);

    QWidget* main_window_;
    int& language_;
};

}  // namespace slcy
