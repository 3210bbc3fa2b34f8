// Which wave images can be played, and the sound output against a real sound server of the
// test's own: the game's sounds are taken, and what can go wrong on the way (no server, no
// output device, a server that goes away, stalls or stops answering, a stream killed, requests
// faster than the server answers, a format the server refuses) is silent or reported once,
// never a hang, and leaves nothing behind on the server.
#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QResource>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <csignal>
#include <mutex>
#include <thread>

#include "AssetPaths.h"
#include "sound/pulse_library.h"
#include "sound/pulse_output.h"
#include "sound/sound_player.h"

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
    // A server that stops answering, and goes on where it stopped.
    void Pause() { ::kill(pid_t(process_.processId()), SIGSTOP); }
    void Continue() { ::kill(pid_t(process_.processId()), SIGCONT); }
    // What the server has of a kind ("clients", "sink-inputs"), one line each.
    static QStringList Listed(const QString& kind) {
        QProcess pactl;
        pactl.start("pactl", {"list", "short", kind});
        pactl.waitForFinished();
        return QString::fromLocal8Bit(pactl.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }
    // The streams that play on the server (every client's: the test's outputs are the only
    // clients).
    static QStringList Inputs() { return Listed("sink-inputs"); }
    // Waits until every sound has ended and its stream is gone (or ten seconds have passed).
    static bool NothingLeft() {
        return QTest::qWaitFor([] { return Inputs().isEmpty(); }, 10000);
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

// The game's sounds are played from where they lie in the program, not from a copy.
TEST(WaveImage, TheGameSoundsArePlayedInPlace) {
    const std::array<Wave, 4> game = GameSounds();
    for (size_t i = 0; i < game.size(); ++i) {
        const QResource compiled(QString::fromLatin1(assets::kSounds[i]));
        const auto* samples = reinterpret_cast<const uchar*>(game[i].samples.data());
        EXPECT_TRUE(game[i].playable()) << i;
        EXPECT_TRUE(samples > compiled.data() && samples < compiled.data() + compiled.size()) << i;
    }
}

// What an output reports, from its thread. While `hold` is set, the output's thread is kept
// in its report of a start: a thread that falls behind the requests.
class Reports {
public:
    PulseOutput::Listener listener() {
        PulseOutput::Listener listener;
        listener.started = [this](int clip) {
            {
                const std::lock_guard lock(mutex_);
                started_.push_back(clip);
            }
            while (hold) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        };
        listener.failed = [this](const char* message) {
            const std::lock_guard lock(mutex_);
            failures_.push_back(QString::fromLocal8Bit(message));
        };
        return listener;
    }
    std::vector<int> started() const {
        const std::lock_guard lock(mutex_);
        return started_;
    }
    QStringList failures() const {
        const std::lock_guard lock(mutex_);
        return failures_;
    }
    std::atomic<bool> hold{false};

private:
    mutable std::mutex mutex_;
    std::vector<int> started_;
    QStringList failures_;
};

class SoundFailures : public ::testing::Test {
protected:
    void SetUp() override {
        if (!PrivateSoundServer::Installed()) GTEST_SKIP() << "no pulseaudio";
    }
    PrivateSoundServer server;
    const std::array<Wave, 4> game = GameSounds();
    Reports reports;

    // A request made while the output (re)connects is dropped once it is 0.2 s old, which a
    // busy test machine can exceed: the request is made again, as a player's next move would.
    ::testing::AssertionResult PlayAndWait(PulseOutput& output, int clip) {
        const size_t before = reports.started().size();
        auto startedSinceBefore = [&] {
            const std::vector<int> started = reports.started();
            return std::find(started.begin() + qsizetype(before), started.end(), clip) !=
                   started.end();
        };
        for (int attempt = 0; attempt < 5; ++attempt) {
            output.Play(clip);
            if (QTest::qWaitFor(startedSinceBefore, 2000)) return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << "clip " << clip << " did not start";
    }
};

// An output not yet opened neither loads the sound library nor connects, even when told to be
// quiet: a starting program does not share its time with it.
TEST_F(SoundFailures, AnOutputConnectsOnlyOnceOpenedOrAskedForASound) {
    ASSERT_TRUE(server.Start());
    // pactl is a client while it lists them.
    auto clients = [] { return PrivateSoundServer::Listed("clients").size() - 1; };
    PulseOutput opened(game, reports.listener());
    PulseOutput asked(game, reports.listener());
    opened.Stop();
    asked.Stop();
    QTest::qWait(300);
    EXPECT_EQ(clients(), 0);
    opened.Open();
    EXPECT_TRUE(QTest::qWaitFor([&] { return clients() == 1; }, 5000));
    EXPECT_TRUE(reports.started().empty());
    EXPECT_TRUE(PlayAndWait(asked, 1));
    EXPECT_EQ(clients(), 2);
}

// A request the server cannot take, then one it can.
TEST_F(SoundFailures, NoServerAtStartIsSilentAndAServerThatComesLaterIsHeard) {
    PulseOutput output(game, reports.listener());
    output.Play(0);
    ASSERT_TRUE(server.Start());
    ASSERT_TRUE(PlayAndWait(output, 2));
    EXPECT_EQ(reports.started().back(), 2);
    EXPECT_EQ(reports.failures(), QStringList());
}

TEST_F(SoundFailures, NoOutputDeviceIsSilentWithoutAMessage) {
    ASSERT_TRUE(server.Start(false));
    PulseOutput output(game, reports.listener());
    output.Play(0);
    ASSERT_EQ(QProcess::execute("pactl", {"load-module", "module-null-sink"}), 0);
    ASSERT_TRUE(PlayAndWait(output, 2));
    EXPECT_EQ(reports.started().back(), 2);
    EXPECT_EQ(reports.failures(), QStringList());
}

TEST_F(SoundFailures, AServerThatGoesAwayMeansSilenceUntilItComesBack) {
    ASSERT_TRUE(server.Start());
    PulseOutput output(game, reports.listener());
    ASSERT_TRUE(PlayAndWait(output, 0));
    server.Kill();
    output.Play(1);
    ASSERT_TRUE(server.Start());
    ASSERT_TRUE(PlayAndWait(output, 2));
    EXPECT_EQ(reports.started().back(), 2);
    EXPECT_EQ(reports.failures(), QStringList());
}

// The server makes a stream only after a round trip, and a stream it has not confirmed yet
// cannot be taken back: requests made within that time, while the connection is being made,
// or while the server stands still must not pile up streams on it (it takes 256 per output,
// for every program together). Each is played or dropped; afterwards the next is heard.
TEST_F(SoundFailures, RequestsFasterThanTheServerAnswersLeaveNothingBehind) {
    ASSERT_TRUE(server.Start());
    // The clips alternate between the two formats of the game's sounds.
    auto burst = [](PulseOutput& output, int requests) {
        for (int i = 0; i < requests; ++i) output.Play(i % 2 ? 0 : 2);
    };
    PulseOutput output(game, reports.listener());
    struct Case {
        const char* when;
        std::function<void()> requests;
    };
    const Case cases[] = {
        {"while the connection is being made", [&] { burst(output, 50); }},
        {"as fast as they come", [&] { burst(output, 500); }},
        {"while the server stands still",
         [&] {
             server.Pause();
             burst(output, 100);
             std::this_thread::sleep_for(std::chrono::milliseconds(300));
             server.Continue();
         }},
    };
    for (const Case& c : cases) {
        c.requests();
        EXPECT_TRUE(server.NothingLeft()) << c.when << ": " << server.Inputs().join(", ").toStdString();
        EXPECT_TRUE(PlayAndWait(output, 3)) << c.when;
    }
    EXPECT_EQ(reports.failures(), QStringList());
}

// Only the newest of the requests made while the output was busy is played: each request cuts
// off the one before, so the others would only be cut off at once.
TEST_F(SoundFailures, AnOutputThatFellBehindPlaysOnlyTheNewestRequest) {
    ASSERT_TRUE(server.Start());
    PulseOutput output(game, reports.listener());
    reports.hold = true;
    ASSERT_TRUE(PlayAndWait(output, 0));
    for (int i = 0; i < 100; ++i) output.Play(i % 2 ? 2 : 3);
    output.Play(1);
    reports.hold = false;
    ASSERT_TRUE(QTest::qWaitFor([&] { return reports.started().size() >= 2; }, 5000));
    ASSERT_TRUE(PlayAndWait(output, 3));
    EXPECT_EQ(reports.started(), (std::vector<int>{0, 1, 3}));
}

// A stream the server ends is silence, not a refused sound: here the output it plays on goes
// away, which kills it (pactl has no command to kill a stream).
TEST_F(SoundFailures, AStreamKilledWhilePlayingIsSilentWithoutAMessage) {
    ASSERT_TRUE(server.Start());
    PulseOutput output(game, reports.listener());
    ASSERT_TRUE(PlayAndWait(output, 1));  // the fanfare: three seconds long
    ASSERT_EQ(server.Inputs().size(), 1);
    QProcess pactl;
    pactl.start("pactl", {"list", "short", "modules"});
    pactl.waitForFinished();
    const QString sink_module = QString::fromLocal8Bit(pactl.readAllStandardOutput())
                                    .section("module-null-sink", 0, 0)
                                    .split('\n')
                                    .last()
                                    .section('\t', 0, 0);
    ASSERT_EQ(QProcess::execute("pactl", {"unload-module", sink_module}), 0);
    ASSERT_TRUE(server.NothingLeft());
    output.Play(2);  // no output device now
    ASSERT_EQ(QProcess::execute("pactl", {"load-module", "module-null-sink"}), 0);
    ASSERT_TRUE(PlayAndWait(output, 3));
    EXPECT_EQ(reports.failures(), QStringList());
}

// libpulse gives up on a server after 30 s without an answer. The server may still make the
// stream it was asked for when it goes on; it must not keep it.
TEST_F(SoundFailures, AServerThatStopsAnsweringIsSilentAndKeepsNothingOfTheGame) {
    ASSERT_TRUE(server.Start());
    PulseOutput output(game, reports.listener());
    ASSERT_TRUE(PlayAndWait(output, 2));
    server.Pause();
    output.Play(0);
    QTest::qWait(32000);
    server.Continue();
    EXPECT_TRUE(server.NothingLeft()) << server.Inputs().join(", ").toStdString();
    EXPECT_TRUE(PlayAndWait(output, 2));
    EXPECT_EQ(reports.failures(), QStringList());
}

// The output's loop waits in poll(), which fails when the process may open fewer files than it
// polls: the output is silent meanwhile and heard again at the next request.
TEST_F(SoundFailures, AFailingLoopIsRecoveredAtTheNextRequest) {
    ASSERT_TRUE(server.Start());
    PulseOutput output(game, reports.listener());
    ASSERT_TRUE(PlayAndWait(output, 2));
    rlimit files;
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &files), 0);
    rlimit one_file = files;
    one_file.rlim_cur = 1;
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &one_file), 0);
    output.Play(0);  // wakes the loop: its poll fails
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &files), 0);
    EXPECT_TRUE(PlayAndWait(output, 3));
    EXPECT_EQ(reports.failures(), QStringList());
}

// A wave whose format the sound server cannot play: more channels than it knows.
TEST_F(SoundFailures, AFormatTheServerRefusesIsReportedOncePerOutput) {
    ASSERT_TRUE(server.Start());
    const std::array<Wave, 4> waves{Wave::FromImage(WaveImage(1, 64, 8, 6400, 6400)), game[1],
                                    game[2], game[3]};
    ASSERT_TRUE(waves[0].playable());
    PulseOutput output(waves, reports.listener());
    ASSERT_TRUE(PlayAndWait(output, 2));
    output.Play(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !reports.failures().isEmpty(); }, 5000));
    EXPECT_FALSE(reports.failures().first().isEmpty());
    ASSERT_TRUE(PlayAndWait(output, 3));
    // Only the newest request counts: the refused clip is given time to be tried.
    output.Play(0);
    QTest::qWait(300);
    ASSERT_TRUE(PlayAndWait(output, 1));
    EXPECT_EQ(reports.failures().size(), 1);
    EXPECT_EQ(reports.started(), (std::vector<int>{2, 3, 1}));
}

TEST_F(SoundFailures, EveryGameSoundIsTakenByTheServer) {
    ASSERT_TRUE(server.Start());
    PulseOutput output(game, reports.listener());
    for (int clip = 0; clip < 4; ++clip) ASSERT_TRUE(PlayAndWait(output, clip));
    EXPECT_EQ(reports.failures(), QStringList());
    EXPECT_TRUE(server.NothingLeft());
}

// Run with a library of the client library's name that lacks its functions first on the path
// (ctest incomplete_sound_library): the game is silent, as without a server, and calls nothing
// that is missing.
TEST(IncompleteSoundLibrary, MeansSilenceWithoutAMessage) {
    if (!qEnvironmentVariableIsSet("SLCY_INCOMPLETE_SOUND_LIBRARY"))
        GTEST_SKIP() << "needs the incomplete library first on the path";
    EXPECT_EQ(PulseLibrary::Get(), nullptr);
    const std::array<Wave, 4> game = GameSounds();
    Reports reports;
    {
        PulseOutput output(game, reports.listener());
        for (int clip = 0; clip < 4; ++clip) output.Play(clip);
        output.Stop();
        QTest::qWait(100);
    }
    EXPECT_TRUE(reports.started().empty());
    EXPECT_EQ(reports.failures(), QStringList());
}

}  // namespace
}  // namespace slcy
