// The header that opens the diagnostic log: facts about the system, the program and the help
// viewer, so that a log sent in by a player says where it was written.
#pragma once

#include <QString>
#include <QStringList>

#include "locale_id.h"

namespace slcy {

struct LogFacts {
    QString logFile;
    QString date;
    // The operating system: its name, the kernel's version numbers and its build text.
    QString osName;
    int osMajor = 0;
    int osMinor = 0;
    int osBuild = 0;
    QString osBuildText;
    // The locale as a language identifier (locale_id.h), and its decimal separator.
    LocaleId locale;
    QString decimalSeparator;
    // The program.
    QString exePath;
    QString exeVersion;
    QStringList parameters;  // the arguments after the program's own name
    QString actualCmdLine;
    QString runDir;
    QString moduleName;
    QString moduleDir;
    QString modulePath;
    QString moduleVersion;
    // The help viewer and the component that renders its pages.
    bool viewerInstalled = false;
    QString viewerVersion;
    QString viewerFriendlyVersion;
    bool rendererInstalled = false;
    QString rendererVersion;
    QString rendererFriendlyVersion;
};

// The header as log messages, in order: rules are "=" and "-", every other line starts with
// "!" (no time stamp) and has a tab before its value.
QStringList LogHeader(const LogFacts& facts);

}  // namespace slcy
