#include "hh.h"

#include <QApplication>
#include <QVersionNumber>

#include "help_viewer.h"

namespace slcy {

HtmlHelpFunc HtmlHelpA = nullptr;
THelpEvent ApplicationOnHelp;

namespace {

bool WidgetApplicationExists() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

// The viewer's entry point. The viewer opens beside its owner and belongs to it; the window
// part of a reference ("file>window") picks nothing, as there is one kind of window.
QWidget* ViewerHtmlHelp(QWidget* owner, const QString& reference, unsigned command,
                        quintptr data) {
    switch (command) {
        case HH_HELP_CONTEXT:
            return ShowHelpTopic(reference.section(u'>', 0, 0), static_cast<int>(data), owner);
        case HH_CLOSE_ALL:
            CloseHelpViewers();
            return nullptr;
        default:
            return nullptr;
    }
}

}  // namespace

bool LoadHtmlHelp() {
    HtmlHelpA = WidgetApplicationExists() ? &ViewerHtmlHelp : nullptr;
    return HtmlHelpLoaded();
}

void UnloadHtmlHelp() {
    CloseHelpViewers();
    HtmlHelpA = nullptr;
}

bool HtmlHelpLoaded() {
    return HtmlHelpA != nullptr;
}

QString HtmlHelpVersion() {
    if (!WidgetApplicationExists()) return {};
    const QVersionNumber qt = QVersionNumber::fromString(QString::fromLatin1(qVersion()));
    return QStringLiteral("%1.%2.%3.0")
        .arg(qt.majorVersion())
        .arg(qt.minorVersion())
        .arg(qt.microVersion());
}

bool HelpCommand(unsigned command, int data) {
    bool callHelp = true;
    bool result = false;
    if (ApplicationOnHelp) result = ApplicationOnHelp(command, data, callHelp);
    // A request the handler let through would go to the application's own help; there is
    // none, so such a request has not been served.
    return callHelp ? false : result;
}

bool HelpContext(int context) {
    return HelpCommand(HELP_CONTEXT, context);
}

}  // namespace slcy
