#include "log_facts.h"

#include <sys/utsname.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSysInfo>
#include <QVersionNumber>

#ifndef SLCY_VERSION
#define SLCY_VERSION "2.4"
#endif

namespace slcy {

namespace {

struct Release {
    int major;
    int minor;
    const char* name;
};

// Oldest first.
constexpr Release kQtReleases[] = {
    {6, 0, "Qt 6.0"}, {6, 1, "Qt 6.1"}, {6, 2, "Qt 6.2 LTS"},
    {6, 3, "Qt 6.3"}, {6, 4, "Qt 6.4"}, {6, 5, "Qt 6.5 LTS"},
    {6, 6, "Qt 6.6"}, {6, 7, "Qt 6.7"}, {6, 8, "Qt 6.8 LTS"},
};

// The table's name for a version, or the text for a version before or after the table.
QString ReleaseName(const QString& version, const QString& before, const QString& after) {
    if (version.isEmpty()) return {};
    const QVersionNumber v = QVersionNumber::fromString(version);
    const QVersionNumber first(kQtReleases[0].major, kQtReleases[0].minor);
    const Release& newest = std::end(kQtReleases)[-1];
    if (QVersionNumber(v.majorVersion(), v.minorVersion()) < first) return before;
    for (const Release& r : kQtReleases)
        if (v.majorVersion() == r.major && v.minorVersion() == r.minor)
            return QLatin1String(r.name);
    if (QVersionNumber(v.majorVersion(), v.minorVersion()) >
        QVersionNumber(newest.major, newest.minor))
        return after;
    return {};
}

QString QtVersion() {
    const QVersionNumber qt = QVersionNumber::fromString(QString::fromLatin1(qVersion()));
    return QStringLiteral("%1.%2.%3.0")
        .arg(qt.majorVersion())
        .arg(qt.minorVersion())
        .arg(qt.microVersion());
}

QString KernelBuildText() {
    utsname names{};
    if (uname(&names) != 0) return QStringLiteral("unknown kernel build");
    return QString::fromLocal8Bit(names.version);
}

QString Quoted(const QString& argument) {
    return argument.contains(u' ') ? QLatin1Char('"') + argument + QLatin1Char('"') : argument;
}

}  // namespace

QString FriendlyViewerVersion(const QString& version) {
    return ReleaseName(version, QStringLiteral("< Qt 6.0"),
                       QStringLiteral("> ") + QLatin1String(std::end(kQtReleases)[-1].name));
}

QString FriendlyRendererVersion(const QString& version) {
    const QVersionNumber v = QVersionNumber::fromString(version);
    return ReleaseName(version, QStringLiteral("< Qt 6.0"),
                       QStringLiteral(">= Qt %1.%2").arg(v.majorVersion()).arg(v.minorVersion()));
}

LogFacts GatherLogFacts(const QString& logFile, const QString& programDirectory,
                        const QStringList& arguments, const QString& viewerVersion) {
    LogFacts f;
    f.logFile = logFile;
    f.date = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));

    const QVersionNumber kernel = QVersionNumber::fromString(QSysInfo::kernelVersion());
    f.osName = QSysInfo::prettyProductName();
    f.osMajor = kernel.majorVersion();
    f.osMinor = kernel.minorVersion();
    f.osBuild = kernel.microVersion();
    f.osBuildText = KernelBuildText();

    f.locale = LocaleIdOf(PosixLocaleName());
    f.decimalSeparator = QLocale::system().decimalPoint();

    const QString programName =
        arguments.isEmpty() ? QString() : QFileInfo(arguments[0]).fileName();
    const QString dir = QDir(programDirectory).absolutePath() + QLatin1Char('/');
    f.exePath = dir + programName;
    f.exeVersion = QStringLiteral(SLCY_VERSION);
    f.parameters = arguments.mid(1);
    QStringList quoted;
    for (const QString& a : arguments) quoted << Quoted(a);
    f.actualCmdLine = quoted.join(u' ');
    f.runDir = QDir::currentPath();
    // The help units are linked into the program, so the module is the program itself.
    f.moduleName = programName;
    f.moduleDir = dir;
    f.modulePath = f.exePath;
    f.moduleVersion = f.exeVersion;

    f.viewerInstalled = !viewerVersion.isEmpty();
    f.viewerVersion = viewerVersion;
    f.viewerFriendlyVersion = FriendlyViewerVersion(viewerVersion);
    f.rendererVersion = QtVersion();
    f.rendererInstalled = !f.rendererVersion.isEmpty();
    f.rendererFriendlyVersion = FriendlyRendererVersion(f.rendererVersion);
    return f;
}

}  // namespace slcy
