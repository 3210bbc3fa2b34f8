#include "command_line.h"

#include <cstdio>
#include <cstdlib>

namespace slcy::tools {

CommandLine::CommandLine(const QString& tool, const QString& syntax, const QString& description)
    : tool_(tool),
      syntax_(syntax),
      help_({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this text.")) {
    parser_.setApplicationDescription(description);
    parser_.addOption(help_);
}

void CommandLine::Parse(const QStringList& arguments) {
    const bool understood = parser_.parse(arguments);
    if (parser_.isSet(help_)) {
        std::fputs(qPrintable(Usage()), stdout);
        std::exit(0);
    }
    if (!understood) Fail(parser_.errorText());
}

void CommandLine::Parse(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    Parse(arguments);
}

void CommandLine::Fail(const QString& problem) const {
    std::fprintf(stderr, "%s: %s\n\n%s", qPrintable(tool_), qPrintable(problem),
                 qPrintable(Usage()));
    std::exit(2);
}

// The parser's own text, with our usage line and a blank line in place of its first line: it
// knows the options, but not how a tool's commands and arguments go together.
QString CommandLine::Usage() const {
    const QString generated = parser_.helpText();
    const qsizetype firstLineEnd = generated.indexOf(QLatin1Char('\n'));
    return QStringLiteral("Usage: %1 %2\n").arg(tool_, syntax_) + generated.mid(firstLineEnd);
}

void Die(const QString& tool, const QString& problem) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(tool), qPrintable(problem));
    std::exit(1);
}

}  // namespace slcy::tools
