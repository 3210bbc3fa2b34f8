#include "debug_log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace slcy {

namespace {

// A directory is good for the log when a test file can be created there and deleted again.
bool Writable(const QDir& dir) {
    QFile test(dir.filePath(QLatin1String(TDLogFile::kTestFile)));
    if (!test.open(QIODevice::WriteOnly)) return false;
    test.close();
    return test.remove();
}

}  // namespace

TDLogFile::TDLogFile(const QString& programDirectory, const QStringList& arguments)
    : active_(SwitchedOn(programDirectory, arguments)), fileName_(Place(programDirectory)) {
    if (!Append && QFile::exists(fileName_)) {
        QFile::setPermissions(fileName_, QFile::permissions(fileName_) | QFile::WriteOwner);
        QFile::remove(fileName_);
    }
}

bool TDLogFile::SwitchedOn(const QString& programDirectory, const QStringList& arguments) {
    if (QFileInfo::exists(QDir(programDirectory).filePath(QLatin1String(kSwitchFile)))) return true;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument.compare(QLatin1String("/debug"), Qt::CaseInsensitive) == 0 ||
            argument.compare(QLatin1String("-debug"), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString TDLogFile::Place(const QString& programDirectory) {
    const QDir program(programDirectory);
    const QDir dir = Writable(program) ? program : QDir(QDir::tempPath());
    return dir.filePath(QLatin1String(kFileName));
}

QString TDLogFile::Line(const QString& message, const QTime& now) {
    if (message == QLatin1String("-") || message == QLatin1String("="))
        return QString(kRuleLength, message[0]);
    if (message.startsWith(u'!') || message.startsWith(u'-') || message.startsWith(u'='))
        return message.mid(1);
    if (!TimeStamp) return message;
    return now.toString(QStringLiteral("hh:mm:ss")) + QStringLiteral("   ") + message;
}

void TDLogFile::Out(const QString& message) const {
    if (!active_) return;
    QFile file(fileName_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) return;
    file.write(Line(message, QTime::currentTime()).toUtf8());
    file.write("\n");
}

}  // namespace slcy
