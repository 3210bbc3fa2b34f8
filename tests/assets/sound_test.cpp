// The four sounds: wave images the player hands over unchanged, so the header must be the
// plain 44-byte layout, and each sound must have the length and the character it is made for.
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

#include "AssetFiles.h"

using namespace assettest;

namespace {

struct SoundFile {
    const char* file;
    std::uint32_t rate, count;
};

const std::vector<SoundFile> kSoundFiles = {
    {slcy::assets::kSounds[0], 22050, 19406},
    {slcy::assets::kSounds[1], 11025, 34265},
    {slcy::assets::kSounds[2], 11025, 2298},
    {slcy::assets::kSounds[3], 11025, 25246},
};

std::uint32_t Le32(const QByteArray& b, int at) {
    return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(b[at + 2])) << 16 | std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}
std::uint16_t Le16(const QByteArray& b, int at) {
    return std::uint16_t(std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8);
}

struct Samples {
    std::uint32_t rate = 0;
    std::vector<double> v;  // -1 .. 1

    // Root mean square level of the stretch [from, to) in seconds.
    double Rms(double from, double to) const {
        const size_t a = size_t(from * rate), b = std::min(v.size(), size_t(to * rate));
        double s = 0;
        for (size_t i = a; i < b; ++i) s += v[i] * v[i];
        return b > a ? std::sqrt(s / double(b - a)) : 0;
    }
    // Sign changes per second: high for hiss, low for a low tone.
    double Crossings(double from, double to) const {
        const size_t a = size_t(from * rate), b = std::min(v.size(), size_t(to * rate));
        int n = 0;
        for (size_t i = a + 1; i < b; ++i) n += (v[i] < 0) != (v[i - 1] < 0);
        return n / (double(b - a) / rate);
    }
    double Length() const { return double(v.size()) / rate; }
};

Samples Load(const char* file) {
    const QByteArray b = ReadFile(CommittedFile(file));
    Samples s;
    if (b.size() < 44) return s;
    s.rate = Le32(b, 24);
    const std::uint32_t n = Le32(b, 40);
    for (std::uint32_t i = 0; i < n && 44 + i < std::uint32_t(b.size()); ++i) {
        s.v.push_back((std::uint8_t(b[44 + i]) - 128) / 127.0);
    }
    return s;
}

}  // namespace

TEST(Sounds, AreRiffWavesWithTheFmtChunkRightAfterWaveAndDataAtThirtySix) {
    for (const SoundFile& s : kSoundFiles) {
        const QByteArray b = ReadFile(CommittedFile(s.file));
        ASSERT_GE(b.size(), 44) << s.file;
        EXPECT_EQ(b.mid(0, 4), "RIFF") << s.file;
        EXPECT_EQ(Le32(b, 4), std::uint32_t(b.size() - 8)) << s.file;
        EXPECT_EQ(b.mid(8, 4), "WAVE") << s.file;
        EXPECT_EQ(b.mid(12, 4), "fmt ") << s.file;
        EXPECT_EQ(Le32(b, 16), 16u) << s.file;
        EXPECT_EQ(Le16(b, 20), 1) << s.file << " PCM";
        EXPECT_EQ(Le16(b, 22), 1) << s.file << " mono";
        EXPECT_EQ(Le32(b, 28), Le32(b, 24)) << s.file << " one byte a sample";
        EXPECT_EQ(Le16(b, 32), 1) << s.file << " block alignment";
        EXPECT_EQ(Le16(b, 34), 8) << s.file << " bits";
        EXPECT_EQ(b.mid(36, 4), "data") << s.file;
        // The data, padded to an even length as RIFF chunks are.
        EXPECT_EQ(std::uint32_t(b.size()), 44 + Le32(b, 40) + Le32(b, 40) % 2) << s.file;
    }
}

TEST(Sounds, HaveTheirRatesAndLengths) {
    for (const SoundFile& s : kSoundFiles) {
        const QByteArray b = ReadFile(CommittedFile(s.file));
        ASSERT_GE(b.size(), 44) << s.file;
        EXPECT_EQ(Le32(b, 24), s.rate) << s.file;
        EXPECT_EQ(Le32(b, 40), s.count) << s.file;
    }
}

TEST(Sounds, AreCentredOnTheMiddleValue) {
    for (const SoundFile& s : kSoundFiles) {
        const Samples x = Load(s.file);
        double mean = 0;
        for (double v : x.v) mean += v;
        EXPECT_LT(std::fabs(mean / double(x.v.size())), 0.02) << s.file;
    }
}

TEST(WaterSound, IsAQuietEvenGurgle) {
    const Samples x = Load(kSounds[0]);
    EXPECT_LT(x.Rms(0, x.Length()), 0.25) << "quiet";
    EXPECT_GT(x.Rms(0, x.Length()), 0.05) << "but there";
    double low = 1, high = 0;
    for (double t = 0.05; t + 0.1 < x.Length() - 0.1; t += 0.1) {
        low = std::min(low, x.Rms(t, t + 0.1));
        high = std::max(high, x.Rms(t, t + 0.1));
    }
    EXPECT_LT(high / low, 1.5) << "even loudness";
    EXPECT_GT(x.Crossings(0, x.Length()), 500) << "noisy";
}

TEST(SolvedSound, BeginsWithHalfASecondOfSilence) {
    const Samples x = Load(kSounds[1]);
    for (size_t i = 0; i < size_t(0.5 * x.rate) - 1; ++i) ASSERT_EQ(x.v[i], 0.0) << i;
    EXPECT_GT(x.Rms(0.5, 0.7), 0.3) << "then loud at once";
}

TEST(SolvedSound, RisesInPitchAndFadesOut) {
    const Samples x = Load(kSounds[1]);
    EXPECT_LT(x.Crossings(0.55, 0.95), 200) << "starts low";
    EXPECT_GT(x.Crossings(2.0, 2.4), x.Crossings(0.55, 0.95) * 1.5) << "rises";
    EXPECT_LT(x.Rms(2.0, 2.4), x.Rms(0.55, 0.95) / 2) << "fades";
    EXPECT_LT(x.Rms(x.Length() - 0.1, x.Length()), 0.02) << "gone at the end";
}

TEST(RefusedSound, IsAShortKnock) {
    const Samples x = Load(kSounds[2]);
    EXPECT_GT(x.Rms(0, 0.05), 0.15);
    EXPECT_LT(x.Rms(0.15, x.Length()), 0.03);
    EXPECT_LT(x.Crossings(0, 0.1), 600) << "dull, not a click";
}

TEST(TimeoutSound, IsLoudFromTheStartAndFallsFromAHissToALowTone) {
    const Samples x = Load(kSounds[3]);
    EXPECT_GT(x.Rms(0, 0.1), 0.3) << "loud at once";
    EXPECT_GT(x.Rms(x.Length() - 0.5, x.Length() - 0.25), 0.3) << "loud until its last fifth";
    EXPECT_GT(x.Crossings(0, 0.3), 1500) << "a hiss";
    EXPECT_LT(x.Crossings(1.5, 2.0), 250) << "a low tone";
}

TEST(TimeoutSound, DiesAwayInItsLastFifthOfASecond) {
    const Samples x = Load(kSounds[3]);
    const double end = x.Length();
    const double before = x.Rms(end - 0.3, end - 0.2);
    EXPECT_LT(x.Rms(end - 0.1, end - 0.05), before * 0.7);
    EXPECT_LT(x.Rms(end - 0.03, end), before * 0.1);
}
