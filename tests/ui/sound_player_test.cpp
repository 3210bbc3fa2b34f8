// The sound player against a real sound server of the test's own: the game's sounds are
// taken, and what can go wrong on the way (no server, no output device, a server that goes
// away and comes back, a format the server refuses) is silent or reported once, never a hang.
#include "sound/sound_player.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace slcy {
namespace {

// A PulseAudio server in a folder of its own, found by the players of the test through
// PULSE_SERVER; without an output unless asked for one.
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
        script.write("load-module module-native-protocol-unix\n");
        if (withOutput) script.write("load-module module-null-sink sink_name=out\n");
        script.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        QDir(dir_.path()).mkpath("runtime");
        env.insert("XDG_RUNTIME_DIR", dir_.filePath("runtime"));
        env.insert("XDG_CONFIG_HOME", dir_.path());
        process_.setProcessEnvironment(env);
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
    static void PlayAndWait(SoundPlayer& player, Spies& spies, int n) {
        const qsizetype before = spies.started.count();
        player.Play(n);
        ASSERT_TRUE(QTest::qWaitFor([&] { return spies.started.count() > before; }, 10000))
            << "sound " << n << " did not start";
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
