// The check a resource bundle (the help file, the art at twice the size) passes before the
// resource system may read it. Qt's resource system
// trusts a registered bundle: it follows the offsets of its header and of its tree without
// looking at the bundle's end, so a damaged or crafted file makes it read outside the file.
// The check follows every offset that Qt can follow from the root of the tree and accepts the
// bundle only when each lands inside it.
//
// A bundle ("qres", versions 1 to 3, numbers big-endian): a header of magic, version, tree
// offset, data offset, names offset (and, from version 3, flags); a tree of nodes of 14 bytes
// (22 from version 2: a time stamp follows), node 0 the root directory; a node holds its
// name's offset and its flags, then a directory its child count and first child's index, a
// file its territory, language and data offset. A name is a 16-bit length, a 32-bit hash and
// the UTF-16 characters; a file's data a 32-bit length and the bytes.
//
// The bundles are built with their files stored as they are, and a compressed file is refused:
// Qt unpacks zlib data into as much memory as it turns out to need, so a small entry could
// take gigabytes.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>

namespace slcy {

// Larger files are refused unread: the rules with their pictures, or the 2x art, take a part of it.
inline constexpr std::int64_t kMaxBundleBytes = 16 * 1024 * 1024;

// True when the bytes are a bundle of at most kMaxBundleBytes whose every reachable offset and
// length stays inside it, with a directory at the root, every node reached once (no cycles),
// names that are single path steps, and every file stored uncompressed.
bool IsIntactBundle(QByteArrayView bytes);

// The bytes of a bundle file that is a regular file and passes IsIntactBundle, read whole, so
// that the file cannot change under the resource system's feet once it is registered from them.
std::optional<QByteArray> ReadIntactBundle(const QString& file);

// Registers the bundle file read by ReadIntactBundle under `root`. The resource system reads
// the registered bytes in place: they are kept in `keep`, which must stay as long as the
// registration (on failure it is left empty).
bool RegisterIntactBundle(const QString& file, QByteArray& keep, const QString& root = {});

}  // namespace slcy
