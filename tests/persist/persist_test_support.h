// What the persist tests share: scratch folders, raw file access, a disk that fills up, and a
// way to act as an ordinary user (the tests run as root, whom no permission bit stops).
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "settings_store.h"

namespace slcy::testing {

inline constexpr QFile::Permissions kReadOnlyFolder = QFile::ReadOwner | QFile::ExeOwner |
                                                      QFile::ReadGroup | QFile::ExeGroup |
                                                      QFile::ReadOther | QFile::ExeOther;
inline constexpr QFile::Permissions kOpenFolder = kReadOnlyFolder | QFile::WriteOwner;
inline constexpr QFile::Permissions kReadOnlyFile =
    QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
inline constexpr QFile::Permissions kOpenFile = kReadOnlyFile | QFile::WriteOwner;

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << qPrintable(path);
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// A fresh folder for one test, removed afterwards. Anyone may pass through it.
class ScratchFolder {
public:
    ScratchFolder() { QFile::setPermissions(dir_.path(), kOpenFolder); }
    ~ScratchFolder() { MakeWritableAgain(dir_.path()); }
    QString path() const { return dir_.path(); }
    QString operator/(const QString& name) const { return dir_.path() + u'/' + name; }

    // Gives write permission back to everything below `root`, so it can be cleaned up.
    static void MakeWritableAgain(const QString& root) {
        QFileInfo info(root);
        if (!info.exists() || info.isSymLink()) return;
        QFile::setPermissions(root, info.isDir() ? kOpenFolder : kOpenFile);
        if (info.isDir())
            for (const QString& entry :
                 QDir(root).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
                MakeWritableAgain(root + u'/' + entry);
    }

private:
    QTemporaryDir dir_;
};

// The entries of a folder, hidden ones too: shows left-over temporary files.
inline QStringList FolderEntries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// While it lives, no file can grow beyond `bytes`: a write past that fails as on a full disk.
class FullDisk {
public:
    explicit FullDisk(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
        // The signal would end the process; the failing write is what the tests look at.
        old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, old_handler_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit saved_{};
    void (*old_handler_)(int) = SIG_DFL;
};

// Runs `act` as the user "nobody" in a child process and returns its result (0..255), or -1
// when the child did not end normally. As an ordinary user already, runs it here.
inline int RunAsOrdinaryUser(const std::function<int()>& act) {
    if (geteuid() != 0) return act();
    const pid_t child = fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(250);
        _exit(act());
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

// --- The settings store's file.

inline QString StoreFile() { return SettingsFilePath(); }
inline QString StoreFolder() { return QFileInfo(StoreFile()).absolutePath(); }
// $XDG_CONFIG_HOME/WumpleGames: removing it removes every trace of the store.
inline QString MakerFolder() { return QFileInfo(StoreFolder()).absolutePath(); }

inline void RemoveStore() {
    ScratchFolder::MakeWritableAgain(MakerFolder());
    QFileInfo maker(MakerFolder());
    if (maker.isDir())
        QDir(MakerFolder()).removeRecursively();
    else
        QFile::remove(MakerFolder());
}

// Writes the store's file as another program would. Each such file gets a modification time of
// its own, so a store that compares sizes and times always notices the edit.
inline void WriteStoreAsAnotherProgram(const QByteArray& text) {
    static qint64 edits = 0;
    WriteBytes(StoreFile(), text);
    QFile file(StoreFile());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.setFileTime(QDateTime::fromSecsSinceEpoch(1'000'000'000 + ++edits),
                     QFileDevice::FileModificationTime);
}

inline QByteArray StoreText() { return ReadBytes(StoreFile()); }

// The lines of a store's text in sorted order: QSettings picks the order of the keys within a
// section itself (the store promises none), so tests compare the lines as a set.
inline QList<QByteArray> SortedLines(const QByteArray& text) {
    QList<QByteArray> lines = text.split('\n');
    std::sort(lines.begin(), lines.end());
    return lines;
}
inline QList<QByteArray> StoreLines() { return SortedLines(StoreText()); }

// Every test of the store starts without one.
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { RemoveStore(); }
    void TearDown() override { RemoveStore(); }
};

}  // namespace slcy::testing
