// soundgen: synthesises the game's four sounds from fixed seeds and writes them as wave files.
// Running it twice gives the same bytes.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "Sounds.h"
#include "Wave.h"

namespace {

constexpr const char* kUsage =
    "Usage: soundgen [--out DIR]\n"
    "\n"
    "Writes water.wav, solved.wav, refused.wav and timeout.wav (8-bit mono PCM) to DIR\n"
    "(default: assets/sounds), creating the directory if need be.\n"
    "\n"
    "  --out DIR   where to write the four files\n"
    "  --help      show this text\n";

}  // namespace

int main(int argc, char** argv) {
    std::string out = "assets/sounds";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (arg == "--out" && i + 1 < argc) {
            out = argv[++i];
        } else {
            std::fprintf(stderr, "soundgen: unknown argument '%s'\n\n%s", argv[i], kUsage);
            return 2;
        }
    }
    using namespace soundgen;
    std::error_code ignored;  // a directory that cannot be made shows up as a failed write
    std::filesystem::create_directories(out, ignored);
    for (const Sound& sound : {Water(), Solved(), Refused(), Timeout()}) {
        const std::string path = out + "/" + sound.file;
        if (!WriteFile(path, WaveImage(sound.rate, sound.samples))) {
            std::fprintf(stderr, "soundgen: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
