#include "log_header.h"

namespace slcy {

namespace {

QString Hex(int value) {
    return QStringLiteral("0x%1").arg(value, 4, 16, QLatin1Char('0'));
}

// "0x0407 (German (Germany))"
QString Numbered(int value, const QString& name) {
    return Hex(value) + QStringLiteral(" (") + name + QLatin1Char(')');
}

QString YesNo(bool value) {
    return value ? QStringLiteral("YES") : QStringLiteral("NO");
}

// A label, a tab, the value.
QString Row(const char* label, const QString& value) {
    return QLatin1String(label) + QLatin1Char('\t') + value;
}

}  // namespace

QStringList LogHeader(const LogFacts& f) {
    const QString os = QStringLiteral("%1 %2.%3 (Build %4) %5")
                           .arg(f.osName, QString::number(f.osMajor), QString::number(f.osMinor),
                                QString::number(f.osBuild), f.osBuildText);
    return {
        QStringLiteral("="),
        Row("!Log File:             ", f.logFile),
        Row("!Date:                 ", f.date),
        Row("!Operating System:      ", os),
        Row("!SysLocale.DefaultLCID: ", Numbered(f.locale.id, f.locale.name)),
        Row("!SysLocale.PriLangID:   ", Numbered(f.locale.primaryId, f.locale.primaryName)),
        Row("!SysLocale.SubLangID:   ", Numbered(f.locale.subId, f.locale.subName)),
        Row("!DecimalSeparator:      ", f.decimalSeparator),
        QStringLiteral("-"),
        Row("!EXE Path =          ", f.exePath),
        Row("!EXE Version =       ", f.exeVersion),
        Row("!Cmdline Param(s) =  ", f.parameters.join(QStringLiteral(" | "))),
        Row("!Actual CmdLine =  ", f.actualCmdLine),
        Row("!_RunDir =           ", f.runDir),
        Row("!_ModuleName =       ", f.moduleName),
        Row("!_ModuleDir =        ", f.moduleDir),
        Row("!_ModulePath =        ", f.modulePath),
        Row("!Module Version =       ", f.moduleVersion),
        QStringLiteral("-"),
        Row("!_hhInstalled =      ", YesNo(f.viewerInstalled)),
        Row("!_hhVerStr =         ", f.viewerVersion),
        Row("!_hhFriendlyVerStr = ", f.viewerFriendlyVersion),
        QStringLiteral("-"),
        Row("!_ieInstalled =      ", YesNo(f.rendererInstalled)),
        Row("!_ieVerStr =         ", f.rendererVersion),
        Row("!_ieFriendlyVerStr = ", f.rendererFriendlyVersion),
        QStringLiteral("="),
    };
}

}  // namespace slcy
