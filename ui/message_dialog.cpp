#include "message_dialog.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "glyphs.h"
#include "screen/placement.h"

namespace slcy {

namespace {
QFont DialogFont(bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    font.setBold(bold);
    return font;
}

QPushButton* GlyphButton(QWidget* parent, int left, const char* glyph) {
    auto* button = new QPushButton(parent);
    button->setGeometry(left, 68, 77, 27);
    button->setIcon(ButtonIcon(glyph));
    button->setIconSize(ButtonIconSize(glyph));
    return button;
}
}  // namespace

MessageDialog::MessageDialog(QWidget* mainWindow, const int& language, const Layout& layout)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      main_window_(mainWindow),
      language_(language),
      german_(layout.german),
      english_(layout.english),
      escape_result_(layout.escapeResult) {
    setWindowTitle(QStringLiteral("Sluicery"));
    setFont(DialogFont(layout.wholeDialogBold));
    setFixedSize(261, 103);
    setModal(true);

    Bevel1 = new QFrame(this);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 245, 49);

    Image1 = new QLabel(this);
    Image1->setGeometry(16, 16, 32, 32);
    if (mainWindow) Image1->setPixmap(mainWindow->windowIcon().pixmap(32, 32));

    Label1 = new QLabel(this);
    Label1->setGeometry(layout.label);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);
    Label1->setFont(DialogFont(true));

    OKBtn = GlyphButton(this, layout.okLeft, layout.okGlyph);
    OKBtn->setText(QStringLiteral("OK"));
    OKBtn->setDefault(true);
    const int ok = static_cast<int>(layout.okResult);
    connect(OKBtn, &QPushButton::clicked, this, [this, ok] { done(ok); });

    if (layout.cancelLeft > 0) {
        CancelBtn = GlyphButton(this, layout.cancelLeft, layout.cancelGlyph);
        const int cancel = static_cast<int>(layout.escapeResult);
        connect(CancelBtn, &QPushButton::clicked, this, [this, cancel] { done(cancel); });
    }
}

ModalResult MessageDialog::Execute() {
    setResult(0);
    OKBtn->setFocus();
    return static_cast<ModalResult>(exec());
}

void MessageDialog::SetTexts() {
    const bool german = language_ == 1;
    Label1->setText(QString::fromUtf8(german ? german_ : english_));
    if (CancelBtn) {
        OKBtn->setText(german ? "Ja" : "Yes");
        CancelBtn->setText(german ? "Nein" : "No");
    }
}

void MessageDialog::Activate() {
    PlaceOverMainWindow(this, main_window_);
    SetTexts();
}

void MessageDialog::showEvent(QShowEvent* event) {
    Activate();
    OKBtn->setFocus();
    QDialog::showEvent(event);
}

void MessageDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Activate();
    QDialog::changeEvent(event);
}

// Esc answers like the cancel button where there is one; the announcements ignore it.
void MessageDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        if (escape_result_ != ModalResult::None) done(static_cast<int>(escape_result_));
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

// The close box always means Cancel.
void MessageDialog::closeEvent(QCloseEvent* event) {
    event->accept();
    if (isVisible()) done(static_cast<int>(ModalResult::Cancel));
}

}  // namespace slcy
