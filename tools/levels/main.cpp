// levels: makes, checks and shows the level catalogue slcy.dat.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "catalogue_file.h"
#include "command_line.h"
#include "engine_replay.h"
#include "figures.h"
#include "generate.h"
#include "progress.h"
#include "text_board.h"

namespace {

using namespace slcy;
using namespace slcy::levels;

const QString kTool = QStringLiteral("levels");

bool ReadFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), {});
    return true;
}

bool ReadLevels(const std::string& path, std::vector<LevelRecord>& levels, std::string& problem) {
    std::string bytes;
    if (!ReadFile(path, bytes)) {
        problem = "cannot read " + path;
        return false;
    }
    if (bytes.size() % sizeof(LevelRecord) != 0) {
        problem = path + " is not a whole number of 162-byte records";
        return false;
    }
    levels.resize(bytes.size() / sizeof(LevelRecord));
    for (std::size_t i = 0; i < levels.size(); ++i)
        std::copy_n(bytes.data() + i * sizeof(LevelRecord), sizeof(LevelRecord), reinterpret_cast<char*>(&levels[i]));
    return true;
}

// slcy.dat -> slcy.witness, in the same folder.
std::string WitnessPathFor(const std::string& catalogue) {
    const std::size_t dot = catalogue.find_last_of('.');
    const std::size_t slash = catalogue.find_last_of('/');
    const bool has_extension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (has_extension ? catalogue.substr(0, dot) : catalogue) + ".witness";
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

int Generate(std::uint64_t seed, int count, const std::string& out, const std::string& witnessPath) {
    const auto start = std::chrono::steady_clock::now();
    std::vector<LevelRecord> levels;
    std::vector<std::vector<Click>> witnesses;
    std::vector<LevelFigures> figures;
    bool good = true;
    std::printf("%s attempts\n", FiguresHeader().c_str());
    for (int level = 1; level <= count; ++level) {
        const GeneratedLevel made = GenerateLevel(seed, level);
        levels.push_back(made.Record);
        witnesses.push_back(ClicksOf(Puzzle(made.Record), made.Witness));
        figures.push_back(made.Figures);
        good = good && made.Figures.Proven && made.Figures.Problem.empty();
        std::printf("%s %d\n", FiguresLine(made.Figures).c_str(), made.Attempts);
    }
    std::printf("\n%s", BandTable(figures).c_str());
    if (!WriteCatalogue(out, levels))
        slcy::tools::Die(kTool, QStringLiteral("cannot write %1").arg(QString::fromStdString(out)));
    if (!WriteWitnesses(witnessPath, witnesses))
        slcy::tools::Die(kTool,
                         QStringLiteral("cannot write %1").arg(QString::fromStdString(witnessPath)));
    std::fprintf(stderr, "generated %d levels in %.2f s\n", count, SecondsSince(start));
    return good ? 0 : 1;
}

int Check(const std::string& path, const std::string& witnessPath) {
    const auto start = std::chrono::steady_clock::now();
    std::vector<LevelRecord> levels;
    std::string problem;
    if (!ReadLevels(path, levels, problem)) slcy::tools::Die(kTool, QString::fromStdString(problem));
    std::vector<std::vector<Click>> witnesses;
    if (!witnessPath.empty() && !ReadWitnesses(witnessPath, witnesses))
        slcy::tools::Die(kTool, QStringLiteral("cannot read the witnesses in %1")
                                    .arg(QString::fromStdString(witnessPath)));
    int failed = 0;
    std::vector<LevelFigures> figures;
    std::printf("%s\n", FiguresHeader().c_str());
    for (std::size_t i = 0; i < levels.size(); ++i) {
        LevelFigures f = Measure(static_cast<int>(i) + 1, levels[i]);
        if (f.Proven && !LeavesTimeToPlay(f)) {
            f.Proven = false;
            f.Problem = "less than 2 seconds a move";
        }
        if (!witnessPath.empty() && (i >= witnesses.size() || !EngineSolvesWith(levels[i], witnesses[i]))) {
            f.Proven = false;
            f.Problem = "the witness does not solve it on the engine";
        }
        failed += !f.Proven;
        figures.push_back(f);
        std::printf("%s\n", FiguresLine(f).c_str());
    }
    if (!witnessPath.empty() && witnesses.size() != levels.size()) {
        std::printf("%zu witnesses for %zu levels\n", witnesses.size(), levels.size());
        ++failed;
    }
    std::printf("\n%s\n%zu levels, %zu proven, %d failed\n", BandTable(figures).c_str(), levels.size(),
                levels.size() - failed, failed);
    std::fprintf(stderr, "checked %zu levels in %.2f s\n", levels.size(), SecondsSince(start));
    return failed == 0 ? 0 : 1;
}

int Show(const tools::CommandLine& commandLine, const std::string& path, int n) {
    std::vector<LevelRecord> levels;
    std::string problem;
    if (!ReadLevels(path, levels, problem)) slcy::tools::Die(kTool, QString::fromStdString(problem));
    if (n < 1 || n > static_cast<int>(levels.size()))
        commandLine.Fail(QStringLiteral("there is no level %1").arg(n));
    std::printf("%s", LevelAsText(n, levels[n - 1]).c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    tools::CommandLine commandLine(
        kTool,
        QStringLiteral("generate --seed S --count N -o FILE [--witness FILE]\n"
                       "       levels check FILE [--witness FILE]\n"
                       "       levels show FILE N"),
        QStringLiteral(
            "Makes, checks and shows the level catalogue.\n"
            "\n"
            "generate: makes N levels (1..500) from seed S and writes them to FILE, 162 bytes\n"
            "  each. Every level is made by legal moves from a solved board and then solved\n"
            "  again by the solver. The generator's own solutions, one line per level, go to\n"
            "  the --witness file, by default FILE with .witness in place of its extension.\n"
            "check: validates every record and proves each level solvable with the solver,\n"
            "  which sees only the record. Prints one line per level and a table per band of\n"
            "  100 levels. With --witness, also plays each witness on the game's engine.\n"
            "  Exits with 1 when any level fails.\n"
            "show: prints level N: the pieces, the start cell (@), the wet pieces (*), the\n"
            "  decoration.\n"
            "\n"
            "Figures go to standard output and are the same on every run; the time taken goes\n"
            "to standard error."));
    const QCommandLineOption seedOption(QStringLiteral("seed"),
                                        QStringLiteral("generate: the seed."), QStringLiteral("S"));
    const QCommandLineOption countOption(QStringLiteral("count"),
                                         QStringLiteral("generate: how many levels."),
                                         QStringLiteral("N"));
    const QCommandLineOption outputOption({QStringLiteral("o"), QStringLiteral("output")},
                                          QStringLiteral("generate: the catalogue to write."),
                                          QStringLiteral("FILE"));
    const QCommandLineOption witnessOption(QStringLiteral("witness"),
                                           QStringLiteral("The witnesses to write or to play."),
                                           QStringLiteral("FILE"));
    for (const auto& option : {seedOption, countOption, outputOption, witnessOption})
        commandLine.Add(option);
    commandLine.Parse(argc, argv);
    QStringList plain = commandLine.Positional();
    if (plain.isEmpty()) commandLine.Fail(QStringLiteral("no command given"));
    const QString command = plain.takeFirst();
    const auto value = [&](const QCommandLineOption& option) {
        return commandLine.Value(option).toStdString();
    };

    if (command == QStringLiteral("generate")) {
        if (!commandLine.IsSet(seedOption) || !commandLine.IsSet(countOption) ||
            !commandLine.IsSet(outputOption) || !plain.isEmpty())
            commandLine.Fail(QStringLiteral("generate needs --seed, --count and -o"));
        bool isNumber = false;
        const qulonglong seed = commandLine.Value(seedOption).toULongLong(&isNumber);
        if (!isNumber) commandLine.Fail(QStringLiteral("the seed is not a whole number"));
        const int count = commandLine.Value(countOption).toInt(&isNumber);
        if (!isNumber || count < 1 || count > kMaxLevels)
            commandLine.Fail(QStringLiteral("the count must be 1..500"));
        const std::string out = value(outputOption);
        const std::string witness =
            commandLine.IsSet(witnessOption) ? value(witnessOption) : WitnessPathFor(out);
        return Generate(seed, count, out, witness);
    }
    if (command == QStringLiteral("check")) {
        if (plain.size() != 1) commandLine.Fail(QStringLiteral("check needs one catalogue file"));
        return Check(plain[0].toStdString(), value(witnessOption));
    }
    if (command == QStringLiteral("show")) {
        if (plain.size() != 2)
            commandLine.Fail(QStringLiteral("show needs a catalogue file and a level number"));
        bool isNumber = false;
        const int n = plain[1].toInt(&isNumber);
        if (!isNumber) commandLine.Fail(QStringLiteral("there is no level %1").arg(plain[1]));
        return Show(commandLine, plain[0].toStdString(), n);
    }
    commandLine.Fail(QStringLiteral("unknown command %1").arg(command));
}
