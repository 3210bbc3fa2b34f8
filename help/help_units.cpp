// The start and the end of the help units: the viewer library, the installed test and the
// diagnostic log.
#include <QDir>
#include <memory>

#include "debug_log.h"
#include "hh_funcs.h"
#include "log_facts.h"
#include "log_header.h"

namespace slcy {

namespace {

QString ViewerVersion;  // the installed test's finding
std::unique_ptr<TDLogFile> DLog;

}  // namespace

void HelpUnitsInitialise(const QString& programDirectory, const QStringList& arguments) {
    LoadHtmlHelp();
    ViewerVersion = HtmlHelpVersion();
    DLog = std::make_unique<TDLogFile>(programDirectory, arguments);
    if (DLog->Active() && TDLogFile::Header) {
        const LogFacts facts =
            GatherLogFacts(DLog->FileName(), programDirectory, arguments, ViewerVersion);
        for (const QString& line : LogHeader(facts)) DLog->Out(line);
    }
}

void HelpUnitsFinalise() {
    UnloadHtmlHelp();
    DLog.reset();
}

bool HHInstalled() {
    return !ViewerVersion.isEmpty();
}

QString HHVersion() {
    return ViewerVersion;
}

QString DebugLogFileName() {
    return DLog ? DLog->FileName() : QString();
}

void DebugOut(const QString& message) {
    if (DLog) DLog->Out(message);
}

}  // namespace slcy
