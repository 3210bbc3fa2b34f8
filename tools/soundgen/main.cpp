// soundgen: synthesises the game's four sounds from fixed seeds and writes them as wave files.
// Running it twice gives the same bytes.
#include <filesystem>
#include <iterator>
#include <string>
#include <system_error>

#include "AssetPaths.h"
#include "Sounds.h"
#include "Wave.h"
#include "command_line.h"

int main(int argc, char** argv) {
    slcy::tools::CommandLine commandLine(
        QStringLiteral("soundgen"), QStringLiteral("[--out DIR]"),
        QStringLiteral(
            "Writes the game's four sounds as 8-bit mono PCM wave files to DIR, creating\n"
            "the directory if need be."));
    const QCommandLineOption outOption(QStringLiteral("out"),
                                       QStringLiteral("Where to write the four files."),
                                       QStringLiteral("DIR"), QStringLiteral("assets/sounds"));
    commandLine.Add(outOption);
    commandLine.Parse(argc, argv);
    const std::string out = commandLine.Value(outOption).toStdString();

    using namespace soundgen;
    std::error_code ignored;  // a directory that cannot be made shows up as a failed write
    std::filesystem::create_directories(out, ignored);
    // By sound number, as the game's table of sounds lists their files.
    const Sound sounds[] = {Water(), Solved(), Refused(), Timeout()};
    static_assert(std::size(sounds) == slcy::assets::kSounds.size());
    for (std::size_t n = 0; n < std::size(sounds); ++n) {
        const std::string path = (std::filesystem::path(out) /
                                  std::filesystem::path(slcy::assets::kSounds[n]).filename())
                                     .string();
        if (!WriteFile(path, WaveImage(sounds[n].rate, sounds[n].samples)))
            slcy::tools::Die(QStringLiteral("soundgen"),
                             QStringLiteral("cannot write %1").arg(QString::fromStdString(path)));
    }
    return 0;
}
