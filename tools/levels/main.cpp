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
#include "engine_replay.h"
#include "figures.h"
#include "generate.h"
#include "progress.h"
#include "text_board.h"

namespace {

using namespace slcy;
using namespace slcy::levels;

constexpr const char* kUsage =
    "usage:\n"
    "  levels generate --seed S --count N -o FILE [--witness FILE]\n"
    "      Makes N levels (1..500) from seed S and writes them to FILE, 162 bytes each. Every\n"
    "      level is made by legal moves from a solved board and then solved again by the\n"
    "      solver. The generator's own solutions, one line per level, go to the --witness\n"
    "      file, by default FILE with .witness in place of its extension.\n"
    "  levels check FILE [--witness FILE]\n"
    "      Validates every record and proves each level solvable with the solver, which sees\n"
    "      only the record. Prints one line per level and a table per band of 100 levels.\n"
    "      With --witness, also plays each witness on the game's engine. Exits with 1 when\n"
    "      any level fails.\n"
    "  levels show FILE N\n"
    "      Prints level N: the pieces, the start cell (@), the wet pieces (*), the decoration.\n"
    "  levels --help\n"
    "\n"
    "Figures go to standard output and are the same on every run; the time taken goes to\n"
    "standard error.\n";

int Usage(const char* problem) {
    std::fprintf(stderr, "levels: %s\n\n%s", problem, kUsage);
    return 2;
}

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
    if (!WriteCatalogue(out, levels)) {
        std::fprintf(stderr, "levels: cannot write %s\n", out.c_str());
        return 1;
    }
    if (!WriteWitnesses(witnessPath, witnesses)) {
        std::fprintf(stderr, "levels: cannot write %s\n", witnessPath.c_str());
        return 1;
    }
    std::fprintf(stderr, "generated %d levels in %.2f s\n", count, SecondsSince(start));
    return good ? 0 : 1;
}

int Check(const std::string& path, const std::string& witnessPath) {
    const auto start = std::chrono::steady_clock::now();
    std::vector<LevelRecord> levels;
    std::string problem;
    if (!ReadLevels(path, levels, problem)) {
        std::fprintf(stderr, "levels: %s\n", problem.c_str());
        return 1;
    }
    std::vector<std::vector<Click>> witnesses;
    if (!witnessPath.empty() && !ReadWitnesses(witnessPath, witnesses)) {
        std::fprintf(stderr, "levels: cannot read the witnesses in %s\n", witnessPath.c_str());
        return 1;
    }
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

int Show(const std::string& path, const std::string& number) {
    std::vector<LevelRecord> levels;
    std::string problem;
    if (!ReadLevels(path, levels, problem)) {
        std::fprintf(stderr, "levels: %s\n", problem.c_str());
        return 1;
    }
    char* end = nullptr;
    const long n = std::strtol(number.c_str(), &end, 10);
    if (*end != '\0' || n < 1 || n > static_cast<long>(levels.size()))
        return Usage(("there is no level " + number).c_str());
    std::printf("%s", LevelAsText(static_cast<int>(n), levels[n - 1]).c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            std::printf("%s", kUsage);
            return 0;
        }
    if (args.empty()) return Usage("no command given");
    const std::string command = args[0];

    std::vector<std::string> plain;
    std::string seed, count, out, witness;
    for (std::size_t i = 1; i < args.size(); ++i) {
        auto value = [&](std::string& into) {
            if (i + 1 >= args.size()) return false;
            into = args[++i];
            return true;
        };
        const std::string& a = args[i];
        if (a == "--seed" ? !value(seed)
            : a == "--count" ? !value(count)
            : a == "-o" || a == "--output" ? !value(out)
            : a == "--witness" ? !value(witness)
            : false)
            return Usage(("no value after " + a).c_str());
        if (a.rfind('-', 0) == 0 && a != "--seed" && a != "--count" && a != "-o" && a != "--output" &&
            a != "--witness")
            return Usage(("unknown option " + a).c_str());
        if (a.rfind('-', 0) != 0) plain.push_back(a);
    }

    if (command == "generate") {
        if (seed.empty() || count.empty() || out.empty() || !plain.empty())
            return Usage("generate needs --seed, --count and -o");
        char* end = nullptr;
        const unsigned long long s = std::strtoull(seed.c_str(), &end, 10);
        if (*end != '\0') return Usage("the seed is not a whole number");
        const long n = std::strtol(count.c_str(), &end, 10);
        if (*end != '\0' || n < 1 || n > kMaxLevels) return Usage("the count must be 1..500");
        if (witness.empty()) witness = WitnessPathFor(out);
        return Generate(s, static_cast<int>(n), out, witness);
    }
    if (command == "check") {
        if (plain.size() != 1) return Usage("check needs one catalogue file");
        return Check(plain[0], witness);
    }
    if (command == "show") {
        if (plain.size() != 2) return Usage("show needs a catalogue file and a level number");
        return Show(plain[0], plain[1]);
    }
    return Usage(("unknown command " + command).c_str());
}
