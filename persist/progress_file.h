// Progress files (*.slv): the player's results and nothing else. Exactly 2000 bytes, the
// 500 entries of the ProgressTable in level order, each a signed 32-bit integer stored least
// significant byte first. No header, no version, no check sum.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "progress.h"

namespace slcy {

inline constexpr int kProgressFileSize = kMaxLevels * 4;

// The file's bytes for `table`.
QByteArray ProgressFileBytes(const ProgressTable& table);

// The table that bytes read from a file stand for. Any length is accepted: entries beyond a
// short file's end are 0 (a cut entry keeps the bytes it has, the missing high bytes 0), bytes
// after the 2000th are ignored.
ProgressTable ProgressTableFromBytes(const QByteArray& bytes);

// The table in the file at `path`; nothing when it cannot be opened or read (also when a
// directory or anything but a file stands there).
std::optional<ProgressTable> ReadProgressFile(const QString& path);

// Writes all 500 entries to `path`, replacing any earlier file there only once the new one is
// completely on the disk: a write that fails leaves the earlier file as it was. True on success.
bool WriteProgressFile(const QString& path, const ProgressTable& table);

// ".slv" in place of the file name's extension: the text from the last full stop of the
// file name part on is replaced; a name without a full stop gets ".slv" appended.
// "/a/week1" and "/a/week1.txt" both give "/a/week1.slv"; "/a/my.games/week1" gives
// "/a/my.games/week1.slv".
QString ReplaceExtension(const QString& path);

// "/a/b/week1.slv" gives "week1.slv" and "/a/b/" (with the separator).
QString FileNamePart(const QString& path);
QString FolderPart(const QString& path);

}  // namespace slcy
