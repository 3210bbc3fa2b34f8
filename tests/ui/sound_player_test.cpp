// Which wave images can be played, and the sound player against a real sound server of the
// test's own: the game's sounds are taken, and what can go wrong on the way (no server, no
// output device, a server that goes away and comes back, a format the server refuses) is
// silent or reported once, never a hang.
#include "sound/sound_player.h"

#include <gtest/gtest.h>
#include <sys/prctl.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <csignal>

namespace slcy {
namespace {

// A PulseAudio server in a folder of its own, found by the players of the test through
// PULSE_SERVER; with one output unless asked for none.
class PrivateSoundServer {
public:
    PrivateSoundServer() {
        qputenv("PULSE_SERVER", ("unix:" + socket()).toLocal8Bit());
        QFile client(dir_.filePath("client.conf"));
        client.open(QIODevice::WriteOnly);
        client.write("autospawn = no\n");
        qputenv("PULSE_CLIENTCONFIG", client.fileName().toLocal8Bit());
    }
    ~PrivateSoundServer() { Kill(); }

    static bool Installed() { return !QStandardPaths::findExecutable("pulseaudio").isEmpty(); }

    bool Start(bool withOutput = true) {
        QFile script(dir_.filePath("server.pa"));
        script.open(QIODevice::WriteOnly);
        // The socket last: a player that finds it finds the output too.
        if (withOutput) script.write("load-module module-null-sink sink_name=out\n");
        script.write("load-module module-native-protocol-unix\n");
        script.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        QDir(dir_.path()).mkpath("runtime");
        env.insert("XDG_RUNTIME_DIR", dir_.filePath("runtime"));
        env.insert("XDG_CONFIG_HOME", dir_.path());
        process_.setProcessEnvironment(env);
        // The server goes with the test, even when the test dies.
        process_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        process_.setStandardOutputFile(QProcess::nullDevice());
        process_.setStandardErrorFile(QProcess::nullDevice());
        process_.start("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=-1",
                                      "--use-pid-file=no", "-F", script.fileName()});
        return QTest::qWaitFor([&] { return QFile::exists(socket()); }, 10000);
    }
    void Kill() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.kill();
        process_.waitForFinished();
        QFile::remove(socket());
    }

private:
    QString socket() const { return dir_.filePath("runtime/pulse/native"); }
    QTemporaryDir dir_;
    QProcess process_;
};

// A wave image with the given header fields and `data` bytes of samples (declared as
// `declared` bytes).
QByteArray WaveImage(int format, int channels, int bits, int data, int declared) {
    QByteArray image(44 + data, char(128));
    auto put32 = [&](int at, quint32 v) { qToLittleEndian<quint32>(v, image.data() + at); };
    auto put16 = [&](int at, int v) { qToLittleEndian<quint16>(quint16(v), image.data() + at); };
    image.replace(0, 4, "RIFF");
    put32(4, quint32(36 + data));
    image.replace(8, 8, "WAVEfmt ");
    put32(16, 16);
    put16(20, format);
    put16(22, channels);
    put32(24, 11025);
    put32(28, 11025u * channels * bits / 8);
    put16(32, channels * bits / 8);
    put16(34, bits);
    image.replace(36, 4, "data");
    put32(40, quint32(declared));
    return image;
}

// What the server is handed must be whole frames of a format it knows; anything else plays
// nothing rather than being refused with a message.
TEST(WaveImage, OnlyWholeFramesOfEightOrSixteenBitPcmArePlayable) {
    struct Case {
        const char* what;
        QByteArray image;
        qsizetype samples;
    };
    QByteArray not_riff = WaveImage(1, 1, 8, 100, 100);
    not_riff.replace(0, 4, "RIFX");
    const Case cases[] = {
        {"8-bit mono", WaveImage(1, 1, 8, 100, 100), 100},
        {"16-bit stereo, a last frame cut short", WaveImage(1, 2, 16, 102, 102), 100},
        {"a data size past the end", WaveImage(1, 1, 8, 100, 5000), 100},
        {"not RIFF", not_riff, 0},
        {"compressed", WaveImage(2, 1, 8, 100, 100), 0},
        {"24-bit", WaveImage(1, 1, 24, 99, 99), 0},
        {"no channels", WaveImage(1, 0, 8, 100, 100), 0},
        {"too short for a header", QByteArray("RIFF"), 0},
    };
    for (const Case& c : cases) {
        const Wave wave = Wave::FromImage(c.image);
        EXPECT_EQ(wave.samples.size(), c.samples) << c.what;
        EXPECT_EQ(wave.playable(), c.samples > 0) << c.what;
    }
}

class SoundFailures : public ::testing::Test {
protected:
    void SetUp() override {
        if (!PrivateSoundServer::Installed()) GTEST_SKIP() << "no pulseaudio";
    }
    PrivateSoundServer server;

    struct Spies {
        explicit Spies(SoundPlayer& player)
            : started(&player, &SoundPlayer::playStarted),
              failed(&player, &SoundPlayer::playFailed) {}
        QSignalSpy started, failed;
        std::vector<int> startedSounds() const {
            std::vector<int> n;
            for (const QList<QVariant>& s : started) n.push_back(s.at(0).toInt());
            return n;
        }
    };
    // A request made while the player (re)connects is dropped once it is 0.2 s old, which a
    // busy test machine can exceed: the request is made again, as a player's next move would.
    static void PlayAndWait(SoundPlayer& player, Spies& spies, int n) {
        const qsizetype before = spies.started.count();
        auto startedSinceBefore = [&] {
            for (qsizetype i = before; i < spies.started.count(); ++i)
                if (spies.started.at(i).at(0).toInt() == n) return true;
            return false;
        };
        bool started = false;
        for (int attempt = 0; attempt < 5 && !started; ++attempt) {
            player.Play(n);
            started = QTest::qWaitFor(startedSinceBefore, 2000);
        }
        ASSERT_TRUE(started) << "sound " << n << " did not start";
    }
};

// A request the server cannot take, then one it can: the player serves them in order, so once
// the second has started the first has been dealt with (and has left no message).
TEST_F(SoundFailures, NoServerAtStartIsSilentAndAServerThatComesLaterIsHeard) {
    SoundPlayer player;
    Spies spies(player);
    player.Play(1);
    ASSERT_TRUE(server.Start());
    PlayAndWait(player, spies, 3);
    EXPECT_EQ(spies.startedSounds().back(), 3);
    EXPECT_EQ(spies.failed.count(), 0);
}

TEST_F(SoundFailures, NoOutputDeviceIsSilentWithoutAMessage) {
    ASSERT_TRUE(server.Start(false));
    SoundPlayer player;
    Spies spies(player);
    player.Play(1);
    ASSERT_EQ(QProcess::execute("pactl", {"load-module", "module-null-sink"}), 0);
    PlayAndWait(player, spies, 3);
    EXPECT_EQ(spies.startedSounds().back(), 3);
    EXPECT_EQ(spies.failed.count(), 0);
}

TEST_F(SoundFailures, AServerThatGoesAwayMeansSilenceUntilItComesBack) {
    ASSERT_TRUE(server.Start());
    SoundPlayer player;
    Spies spies(player);
    PlayAndWait(player, spies, 1);
    server.Kill();
    player.Play(2);
    ASSERT_TRUE(server.Start());
    PlayAndWait(player, spies, 3);
    EXPECT_EQ(spies.startedSounds().back(), 3);
    EXPECT_EQ(spies.failed.count(), 0);
}

// A wave image whose format the sound server cannot play: more channels than it knows.
Wave WithChannels(const Wave& wave, int channels) {
    QByteArray image = wave.image;
    qToLittleEndian<quint16>(quint16(channels), image.data() + 22);
    qToLittleEndian<quint16>(quint16(channels), image.data() + 32);  // block alignment
    return Wave::FromImage(image);
}

TEST_F(SoundFailures, AFormatTheServerRefusesIsReportedOncePerPlayer) {
    ASSERT_TRUE(server.Start());
    const SoundPlayer game_sounds;
    SoundPlayer player({WithChannels(game_sounds.wave(1), 64), game_sounds.wave(2),
                        game_sounds.wave(3), game_sounds.wave(4)});
    ASSERT_TRUE(player.wave(1).playable());
    Spies spies(player);
    PlayAndWait(player, spies, 3);
    player.Play(1);
    PlayAndWait(player, spies, 4);
    ASSERT_EQ(spies.failed.count(), 1);
    EXPECT_FALSE(spies.failed.first().at(0).toString().isEmpty());
    player.Play(1);
    PlayAndWait(player, spies, 2);
    EXPECT_EQ(spies.failed.count(), 1);
    EXPECT_EQ(spies.startedSounds(), (std::vector<int>{3, 4, 2}));
}

TEST_F(SoundFailures, EveryGameSoundIsTakenByTheServer) {
    ASSERT_TRUE(server.Start());
    SoundPlayer player;
    Spies spies(player);
    for (int n = 1; n <= 4; ++n) PlayAndWait(player, spies, n);
    EXPECT_EQ(spies.failed.count(), 0);
}

}  // namespace
}  // namespace slcy
