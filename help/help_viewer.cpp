#include "help_viewer.h"

#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

#include "AssetPaths.h"
#include "help_file.h"
#include "viewer_placement.h"

namespace slcy {

namespace {

QPointer<HelpViewer> Viewer;

// The size the rules are written for; smaller only where the screen is.
constexpr QSize kRulesSize(640, 600);

// The rules' pictures come in two sizes, "pics/piece1.png" and "pics/piece1@2x.png". Qt looks
// for the "@2x" twin of a picture only when the page names it by a path it can try as it
// stands, not by one relative to the page, as ours are; so the browser finds the twin itself
// on a screen that scales the art by 2.
class RulesBrowser final : public QTextBrowser {
  public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override {
        if (type == QTextDocument::ImageResource &&
            devicePixelRatio() >= assets::kTwiceSizeFromRatio) {
            const QUrl url = source().resolved(name);
            if (url.scheme() == QLatin1String("qrc")) {
                const QString twin = QString::fromStdString(
                    assets::AtScale((QLatin1Char(':') + url.path()).toStdString(), 2));
                QImage picture;
                if (picture.load(twin)) {
                    picture.setDevicePixelRatio(2);
                    return QPixmap::fromImage(picture);
                }
            }
        }
        return QTextBrowser::loadResource(type, name);
    }
};

const QString kNotFoundPage = QStringLiteral(
    "<html><head><title>Hilfe / Help</title></head><body>"
    "<h2>Seite nicht gefunden</h2>"
    "<p>Das Thema %2 steht nicht in der Hilfedatei <tt>%1</tt>, oder die Datei fehlt.</p>"
    "<h2>Page not found</h2>"
    "<p>Topic %2 is not in the help file <tt>%1</tt>, or the file is missing.</p>"
    "</body></html>");

}  // namespace

// A dialog-typed window of its owner: it stays above the game, and a tiling window manager or
// compositor (sway, native and XWayland) lets it float instead of tiling it behind the game.
HelpViewer::HelpViewer(QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      browser_(new RulesBrowser(this)) {
    // The viewer never keeps the game running after its last window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenExternalLinks(true);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpViewer::FollowTitle);
    // Esc puts the rules away and a player at the keyboard is back in the game.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    resize(kRulesSize);
}

void HelpViewer::ShowPage(const QUrl& page) {
    notFound_ = false;
    if (browser_->source() == page)
        browser_->reload();
    else
        browser_->setSource(page);
    browser_->verticalScrollBar()->setValue(0);
    FollowTitle();
}

void HelpViewer::ShowNotFound(const QString& file, int context) {
    notFound_ = true;
    browser_->setHtml(kNotFoundPage.arg(file.toHtmlEscaped(), QString::number(context)));
    FollowTitle();
}

void HelpViewer::FollowTitle() {
    setWindowTitle(browser_->documentTitle());
}

HelpViewer* OpenHelpViewer() {
    return Viewer.data();
}

namespace {
// Beside the owner, measured by both windows' outer rectangles. Before its first showing the
// rules window's frame is not known; it gets the owner's, drawn by the same window manager.
// A compositor that places windows itself (Wayland) ignores the place.
void PlaceBeside(HelpViewer& viewer, const QWidget& owner) {
    const QRect anchor = owner.frameGeometry();
    const QRect client = owner.geometry();
    const QMargins frame(client.left() - anchor.left(), client.top() - anchor.top(),
                         anchor.right() - client.right(), anchor.bottom() - client.bottom());
    const QRect outer =
        RulesWindowRect(anchor, kRulesSize.grownBy(frame), owner.screen()->availableGeometry());
    viewer.resize(outer.size().shrunkBy(frame));
    viewer.move(outer.topLeft());  // a window's position is that of its frame
}
}  // namespace

HelpViewer* ShowHelpTopic(const QString& file, int context, QWidget* owner) {
    if (!Viewer) Viewer = new HelpViewer(owner);
    if (owner && !Viewer->isVisible()) PlaceBeside(*Viewer, *owner);
    if (const auto page = TopicUrl(file, context))
        Viewer->ShowPage(*page);
    else
        Viewer->ShowNotFound(file, context);
    Viewer->setWindowState(Viewer->windowState() & ~Qt::WindowMinimized);
    Viewer->show();
    return Viewer.data();
}

void CloseHelpViewers() {
    delete Viewer.data();
    ForgetHelpFile();
}

}  // namespace slcy
