#include "learned_frames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>

namespace slcy {

namespace {

// One line per kind: "<kind> <left> <top> <right> <bottom>", after a first line naming the
// window manager.
struct Frames {
    bool read = false;
    QString manager;
    QHash<QString, QMargins> byKind;
};

Frames& Known() {
    static Frames frames;
    return frames;
}

QString CacheFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/WumpleGames/Sluicery/window-frames");
}

void ReadOnce(Frames& frames) {
    if (frames.read) return;
    frames.read = true;
    QFile file(CacheFile());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return;
    QTextStream in(&file);
    frames.manager = in.readLine();
    while (!in.atEnd()) {
        const QStringList f = in.readLine().split(u' ');
        bool ok[4] = {};
        if (f.size() != 5) continue;
        const QMargins m(f[1].toInt(&ok[0]), f[2].toInt(&ok[1]), f[3].toInt(&ok[2]),
                         f[4].toInt(&ok[3]));
        if (ok[0] && ok[1] && ok[2] && ok[3] && m.left() >= 0 && m.top() >= 0 &&
            m.right() >= 0 && m.bottom() >= 0)
            frames.byKind.insert(f[0], m);
    }
}

void Write(const Frames& frames) {
    QDir().mkpath(QFileInfo(CacheFile()).path());
    QSaveFile file(CacheFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return;
    QTextStream out(&file);
    out << frames.manager << '\n';
    for (auto it = frames.byKind.cbegin(); it != frames.byKind.cend(); ++it)
        out << it.key() << ' ' << it->left() << ' ' << it->top() << ' ' << it->right() << ' '
            << it->bottom() << '\n';
    out.flush();
    file.commit();
}

}  // namespace

std::optional<QMargins> LearnedFrame(const QString& manager, const QString& kind) {
    Frames& frames = Known();
    ReadOnce(frames);
    const auto it = frames.byKind.constFind(kind);
    if (frames.manager != manager || it == frames.byKind.cend()) return std::nullopt;
    return *it;
}

void LearnFrame(const QString& manager, const QString& kind, QMargins frame) {
    Frames& frames = Known();
    ReadOnce(frames);
    if (frames.manager != manager) {
        frames.manager = manager;
        frames.byKind.clear();
    } else if (frames.byKind.value(kind, QMargins(-1, -1, -1, -1)) == frame) {
        return;
    }
    frames.byKind.insert(kind, frame);
    Write(frames);
}

}  // namespace slcy
