#include "Wave.h"

#include <cstdio>

namespace soundgen {
namespace {

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void PutTag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace

std::vector<std::uint8_t> WaveImage(int rate, const std::vector<std::uint8_t>& samples) {
    const auto n = static_cast<std::uint32_t>(samples.size());
    // RIFF chunks are padded to an even length; the pad byte is not part of the data.
    const std::uint32_t pad = n % 2;
    std::vector<std::uint8_t> out;
    out.reserve(44 + n + pad);
    PutTag(out, "RIFF");
    Put32(out, 4 + 8 + 16 + 8 + n + pad);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);                           // PCM
    Put16(out, 1);                           // mono
    Put32(out, static_cast<std::uint32_t>(rate));
    Put32(out, static_cast<std::uint32_t>(rate));  // bytes per second: one byte a sample
    Put16(out, 1);                           // block alignment
    Put16(out, 8);                           // bits per sample
    PutTag(out, "data");
    Put32(out, n);
    out.insert(out.end(), samples.begin(), samples.end());
    if (pad) out.push_back(128);
    return out;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace soundgen
