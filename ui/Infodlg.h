// The information dialog: the program's name and version, and a way to the language choice.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace slcy {

class WindowRegistry;

class TInfoDialog : public QDialog {
    Q_OBJECT
public:
    // Over the main window of `windows`; its language button opens their language dialog.
    explicit TInfoDialog(WindowRegistry& windows);

    int Execute();

    QFrame* Bevel1;
    QLabel* Image1;
    QLabel* progname;
    QLabel* version;
    QLabel* Image4;
    QPushButton* TongBtn;
    QPushButton* OKBtn;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Activate();
    void SetTexts();
    void TongBtnClick();

    WindowRegistry& windows_;
    const int& language_;
};

}  // namespace slcy
