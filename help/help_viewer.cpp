#include "help_viewer.h"

#include <QPointer>
#include <QScrollBar>
#include <QVBoxLayout>

#include "help_file.h"

namespace slcy {

namespace {

QPointer<HelpViewer> Viewer;

const QString kNotFoundPage = QStringLiteral(
    "<html><head><title>Hilfe / Help</title></head><body>"
    "<h2>Seite nicht gefunden</h2>"
    "<p>Das Thema %2 steht nicht in der Hilfedatei <tt>%1</tt>, oder die Datei fehlt.</p>"
    "<h2>Page not found</h2>"
    "<p>Topic %2 is not in the help file <tt>%1</tt>, or the file is missing.</p>"
    "</body></html>");

}  // namespace

HelpViewer::HelpViewer() : QWidget(nullptr, Qt::Window), browser_(new QTextBrowser(this)) {
    // The viewer never keeps the game running after its last window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenExternalLinks(true);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpViewer::FollowTitle);
    resize(640, 600);
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

HelpViewer* ShowHelpTopic(const QString& file, int context) {
    if (!Viewer) Viewer = new HelpViewer;
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
