#include "Tongdlg.h"

#include <QKeyEvent>

#include "glyphs.h"
#include "screen/placement.h"
#include "texts.h"

namespace slcy {

namespace {
QPushButton* FlagButton(QWidget* parent, int top, const char* caption, const char* flags) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setGeometry(84, top, 221, 27);
    button->setIcon(ButtonIcon(flags));
    button->setIconSize(ButtonIconSize(flags));
    button->setDefault(true);
    return button;
}
}  // namespace

TTongueDlg::TTongueDlg(QWidget* mainWindow, int& language)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      main_window_(mainWindow),
      language_(language) {
    setWindowTitle(QStringLiteral("Sluicery 2.4"));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(320, 91);
    setModal(true);

    Bevel1 = new QFrame(this);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 305, 77);
    Image4 = new QLabel(this);
    Image4->setGeometry(28, 28, 37, 37);
    if (mainWindow) Image4->setPixmap(mainWindow->windowIcon().pixmap(32, 32));

    // The captions are never translated: each button speaks its own language.
    EnglishBtn = FlagButton(this, 16, "I speak english.", "flags_en");
    GermanBtn = FlagButton(this, 48, "Ich spreche deutsch.", "flags_de");
    setTabOrder(EnglishBtn, GermanBtn);
    connect(EnglishBtn, &QPushButton::clicked, this, [this] { Choose(kEnglish); });
    connect(GermanBtn, &QPushButton::clicked, this, [this] { Choose(kGerman); });
}

void TTongueDlg::Choose(int language) {
    language_ = language;
    done(QDialog::Accepted);  // OK
}

int TTongueDlg::Execute() {
    setResult(0);
    return exec();
}

void TTongueDlg::showEvent(QShowEvent* event) {
    PlaceOverMainWindow(this, main_window_);
    EnglishBtn->setFocus();  // so Enter chooses English
    QDialog::showEvent(event);
}

void TTongueDlg::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        PlaceOverMainWindow(this, main_window_);
    QDialog::changeEvent(event);
}

// There is no cancel button, so Esc does nothing.
void TTongueDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace slcy
