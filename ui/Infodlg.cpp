#include "Infodlg.h"

#include "AssetPaths.h"
#include "Main.h"
#include "Tongdlg.h"
#include "glyphs.h"
#include "screen/placement.h"
#include "texts.h"
#include "window_registry.h"

namespace slcy {

TInfoDialog::TInfoDialog(WindowRegistry& windows)
    : QDialog(&windows.MainForm(), Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                       Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      windows_(windows),
      language_(windows.MainForm().game().Language) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(309, 322);
    setModal(true);

    Bevel1 = new QFrame(this);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(4, 4, 301, 197);
    Image1 = new QLabel(this);
    Image1->setGeometry(8, 8, 101, 77);
    Image1->setPixmap(Picture(assets::kInfoPicture));

    progname = new QLabel(QStringLiteral("Sluicery"), this);
    progname->setGeometry(112, 8, 189, 25);
    QFont title(QStringLiteral("Liberation Sans"));
    title.setPixelSize(19);
    title.setBold(true);
    progname->setFont(title);
    version = new QLabel(QStringLiteral("Version  2.4"), this);
    version->setGeometry(112, 32, 189, 13);

    Image4 = new QLabel(this);
    Image4->setGeometry(36, 96, 37, 37);
    Image4->setPixmap(windows_.MainForm().windowIcon().pixmap(32, 32));

    TongBtn = new QPushButton(this);
    TongBtn->setGeometry(120, 290, 89, 27);
    TongBtn->setIcon(ButtonIcon("tongue"));
    TongBtn->setIconSize(ButtonIconSize("tongue"));
    connect(TongBtn, &QPushButton::clicked, this, &TInfoDialog::TongBtnClick);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setGeometry(216, 290, 89, 27);
    OKBtn->setIcon(ButtonIcon("check"));
    OKBtn->setIconSize(ButtonIconSize("check"));
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, [this] { done(1); });
}

int TInfoDialog::Execute() {
    setResult(0);
    return exec();
}

void TInfoDialog::SetTexts() {
    setWindowTitle(Tr(language_, "Info über ...", "Info about ..."));
    TongBtn->setText(Tr(language_, "Sprache", "Tongue"));
}

void TInfoDialog::Activate() {
    PlaceOverMainWindow(this, &windows_.MainForm());
    SetTexts();
}

void TInfoDialog::showEvent(QShowEvent* event) {
    Activate();
    OKBtn->setFocus();
    QDialog::showEvent(event);
}

void TInfoDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Activate();
    QDialog::changeEvent(event);
}

void TInfoDialog::TongBtnClick() {
    windows_.TongueDlg().Execute();
    SetTexts();
    windows_.MainForm().ApplyLanguage();
}

}  // namespace slcy
