// The help units' diagnostic log, HHDebug.txt. It is on when the program directory holds a
// file "debug.debug" or an argument is "/debug" or "-debug" (any letter case). It lives in the
// program directory when a test file can be created and deleted there, otherwise in the
// temporary directory. Whatever the switch, an old log is deleted at every start, so a log
// always tells of one run. Every line is appended on its own: the file is opened, written and
// closed each time, so a crash loses nothing.
#pragma once

#include <QString>
#include <QStringList>
#include <QTime>

namespace slcy {

class TDLogFile {
  public:
    static constexpr const char* kFileName = "HHDebug.txt";
    static constexpr const char* kSwitchFile = "debug.debug";
    static constexpr const char* kTestFile = "$_Temp_$.$$$";
    static constexpr int kRuleLength = 79;

    // `arguments` as the program got them, the program itself first.
    TDLogFile(const QString& programDirectory, const QStringList& arguments);

    bool Active() const { return active_; }
    const QString& FileName() const { return fileName_; }

    // Appends one message as a line (see Line); does nothing while the log is off.
    void Out(const QString& message) const;

    // Whether the log is switched on for this program directory and these arguments.
    static bool SwitchedOn(const QString& programDirectory, const QStringList& arguments);
    // The log file's full path: in the program directory when it is writable, else in the
    // temporary directory.
    static QString Place(const QString& programDirectory);
    // What a message becomes in the file: "-" and "=" alone become a rule of 79 of them; a
    // message starting with "!", "-" or "=" loses that character and gets no time stamp;
    // every other one follows the time of day "hh:mm:ss" and three blanks.
    static QString Line(const QString& message, const QTime& now);

    // Fixed at start: every line stamped, the header written, an old log never continued.
    static constexpr bool TimeStamp = true;
    static constexpr bool Header = true;
    static constexpr bool Append = false;

  private:
    bool active_;
    QString fileName_;
};

}  // namespace slcy
