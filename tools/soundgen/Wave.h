// The RIFF WAVE image of an 8-bit mono sound, laid out as every wave file reader expects:
// "RIFF", size, "WAVE", a 16-byte "fmt " chunk, then the "data" chunk at offset 36.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace soundgen {

std::vector<std::uint8_t> WaveImage(int rate, const std::vector<std::uint8_t>& samples);

// Writes the bytes to `path`; false if the file cannot be written.
bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace soundgen
