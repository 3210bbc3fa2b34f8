#include "hh_funcs.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QThread>

namespace slcy {

namespace {

QString Quote(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// Where the outside viewer programs would live. This platform has no such folder, so they
// are never found.
QString WindowsDirectory() {
    return {};
}

bool ProgramExists(const QString& name) {
    const QString dir = WindowsDirectory();
    return !dir.isEmpty() && QFileInfo::exists(dir + QLatin1Char('/') + name);
}

// The prefix that names a compiled help file to an outside viewer.
const QString kCompiledHelpProtocol = QStringLiteral("rcc:");

// File and window names may come with "%20" for blanks and with blanks around them.
QString CleanName(QString name) {
    return name.replace(QStringLiteral("%20"), QStringLiteral(" ")).trimmed();
}

int ShowInViewer(const QString& reference, int context, QWidget* owner) {
    // Installed but not set up: the viewer cannot be called, which to the player is the
    // same as a viewer that is not there.
    if (!HtmlHelpA) return HH_ERR_HHNotInstalled;
    if (QWidget* window = HtmlHelpA(owner, reference, HH_HELP_CONTEXT, quintptr(context))) {
        window->raise();
        window->activateWindow();
    }
    return HH_ERR_AllOK;
}

int StartOutsideViewer(const QString& program, const QStringList& arguments, int missing) {
    if (!ProgramExists(program)) return missing;
    QProcess::startDetached(WindowsDirectory() + QLatin1Char('/') + program, arguments);
    return HH_ERR_AllOK;
}

}  // namespace

// --- The hook.

THookHelpSystem::THookHelpSystem(const QString& helpFile, const QString& windowDefinition,
                                 int hostType)
    : PreviousHandler(ApplicationOnHelp),
      HelpFile(helpFile),
      WindowDefinition(windowDefinition),
      HostType(hostType) {
    ApplicationOnHelp = [this](unsigned command, int data, bool& callHelp) {
        return HelpHook(command, data, callHelp);
    };
    DebugOut(QStringLiteral("THookHelpSystem.Create(%1,%2, %3)")
                 .arg(Quote(HelpFile), Quote(WindowDefinition), QString::number(HostType)));
}

THookHelpSystem::~THookHelpSystem() {
    if (HostType == kHostViewer) HHCloseAll();
    ApplicationOnHelp = PreviousHandler;
    DebugOut(QStringLiteral("THookHelpSystem.Destroy"));
}

bool THookHelpSystem::HelpHook(unsigned command, int data, bool& callHelp) {
    DebugOut(QStringLiteral("THookHelpSystem.HelpHook(%1, %2)")
                 .arg(HelpCommandName(command), QString::number(data)));
    bool result = true;
    if (ChainHelp && PreviousHandler) result = PreviousHandler(command, data, callHelp);
    callHelp = false;
    switch (command) {
        case HELP_CONTEXTPOPUP:
            if (OnPopup) {
                OnPopup(data, PopupPos.x(), PopupPos.y());
                break;
            }
            [[fallthrough]];
        case HELP_CONTEXT:
            if (OnContext)
                OnContext(data);
            else
                HHShowError(HHHelpContext(HelpFile, data, WindowDefinition, HostType, Owner));
            break;
        case HELP_SETPOPUP_POS:
            // The position comes packed: x in the low 16 bits, y in the high 16 bits.
            PopupPos = QPoint(qint16(data & 0xFFFF), qint16((unsigned(data) >> 16) & 0xFFFF));
            break;
        default:
            callHelp = true;
            break;
    }
    return result;
}

int RulesContext(int language) {
    return language == 1 ? 1 : 2;
}

QString HelpCommandName(unsigned command) {
    struct Named {
        unsigned command;
        const char* name;
    };
    static constexpr Named kNames[] = {
        {HELP_CONTEXT, "HELP_CONTEXT"},
        {HELP_QUIT, "HELP_QUIT"},
        {HELP_INDEX, "HELP_INDEX or HELP_CONTENTS"},
        {HELP_HELPONHELP, "HELP_HELPONHELP"},
        {HELP_SETINDEX, "HELP_SETINDEX or HELP_SETCONTENTS"},
        {HELP_CONTEXTPOPUP, "HELP_CONTEXTPOPUP"},
        {HELP_FORCEFILE, "HELP_FORCEFILE"},
        {HELP_CONTEXTMENU, "HELP_CONTEXTMENU"},
        {HELP_FINDER, "HELP_FINDER"},
        {HELP_WM_HELP, "HELP_WM_HELP"},
        {HELP_SETPOPUP_POS, "HELP_SETPOPUP_POS"},
        {HELP_KEY, "HELP_KEY"},
        {HELP_COMMAND, "HELP_COMMAND"},
        {HELP_PARTIALKEY, "HELP_PARTIALKEY"},
        {HELP_MULTIKEY, "HELP_MULTIKEY"},
        {HELP_SETWINPOS, "HELP_SETWINPOS"},
    };
    const char* name = "??";
    for (const Named& n : kNames)
        if (n.command == command) name = n.name;
    return QStringLiteral("%1 (%2)").arg(QLatin1String(name)).arg(command);
}

// --- Showing a topic.

int HHHelpContext(const QString& helpFile, int context, const QString& windowDefinition,
                  int hostType, QWidget* owner) {
    DebugOut(QStringLiteral("HHHelpContext(%1, %2, %3, %4)")
                 .arg(Quote(helpFile), QString::number(context), Quote(windowDefinition),
                      QString::number(hostType)));
    QString reference = CleanName(helpFile);
    const QString window = CleanName(windowDefinition);
    if (!window.isEmpty()) reference += QLatin1Char('>') + window;
    if (hostType == kHostHH) reference.prepend(kCompiledHelpProtocol);
    return ShowContext(reference, context, hostType, owner);
}

int ShowContext(const QString& reference, int context, int hostType, QWidget* owner) {
    DebugOut(QStringLiteral("ShowContext(%1, %2)").arg(Quote(reference), QString::number(context)));
    int result = HH_ERR_Other;
    if (!HHInstalled())
        result = HH_ERR_HHNotInstalled;
    else if (hostType == kHostViewer)
        result = ShowInViewer(reference, context, owner);
    else if (hostType == kHostKeyHH)
        result = StartOutsideViewer(QStringLiteral("KeyHH.EXE"),
                                    {QStringLiteral("-win"), QStringLiteral("-#mapid"),
                                     QString::number(context), reference},
                                    HH_ERR_KeyHHexeNotFound);
    else if (hostType == kHostHH)
        result = StartOutsideViewer(QStringLiteral("HH.EXE"),
                                    {QStringLiteral("-mapid"), QString::number(context), reference},
                                    HH_ERR_HHexeNotFound);
    DebugOut(QStringLiteral("  returned - %1").arg(result));
    return result;
}

// --- Errors.

QString HHErrorText(int code) {
    switch (code) {
        case HH_ERR_AllOK:
            return {};
        case HH_ERR_HHNotInstalled:
            return QStringLiteral("MS Html Help is not installed on this PC.");
        case HH_ERR_KeyHHexeNotFound:
            return QStringLiteral("System file KeyHH.EXE was not found in the Windows folder.");
        case HH_ERR_HHexeNotFound:
            return QStringLiteral("System file HH.EXE was not found in the Windows folder.");
        default:
            return QStringLiteral("Unknown error returned by HHHelpContext");
    }
}

void HHShowError(int code) {
    const QString text = HHErrorText(code);
    DebugOut(QStringLiteral("HHShowError(%1), %2").arg(QString::number(code), Quote(text)));
    if (text.isEmpty() || !qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(), text,
                    QMessageBox::Ok);
    box.exec();
}

void HHCloseAll() {
    if (!HtmlHelpA) return;
    HtmlHelpA(nullptr, QString(), HH_CLOSE_ALL, 0);
    QThread::yieldCurrentThread();
}

}  // namespace slcy
