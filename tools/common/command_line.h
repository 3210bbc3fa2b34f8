// The command line of every generator: its options, --help with a usage line, and one way of
// telling the user what is wrong with the arguments.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace slcy::tools {

class CommandLine {
  public:
    // `tool` names the program in the usage line and in messages; `syntax` follows the name in
    // the usage line (further lines may follow, each starting with the name again);
    // `description` follows the usage line.
    CommandLine(const QString& tool, const QString& syntax, const QString& description);

    void Add(const QCommandLineOption& option) { parser_.addOption(option); }

    // Parses the arguments, the program's own path first. --help (or -h) prints the usage on
    // standard output and exits with 0; an unknown option or a missing value is a Fail().
    void Parse(const QStringList& arguments);
    void Parse(int argc, char** argv);

    bool IsSet(const QCommandLineOption& option) const { return parser_.isSet(option); }
    QString Value(const QCommandLineOption& option) const { return parser_.value(option); }
    QStringList Positional() const { return parser_.positionalArguments(); }

    // Says "tool: problem", a blank line and the usage on standard error, and exits with 2.
    [[noreturn]] void Fail(const QString& problem) const;

    QString Usage() const;

  private:
    QString tool_;
    QString syntax_;
    QCommandLineParser parser_;
    QCommandLineOption help_;
};

// Says "tool: problem" on standard error and exits with 1: for what goes wrong after the
// arguments were understood (a file that cannot be read or written).
[[noreturn]] void Die(const QString& tool, const QString& problem);

}  // namespace slcy::tools
