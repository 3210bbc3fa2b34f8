#include "bundle_check.h"

#include <QFile>
#include <QFileInfo>
#include <QResource>
#include <cstring>
#include <optional>
#include <vector>

namespace slcy {

namespace {

constexpr std::uint16_t kDirectory = 0x02;  // a node's flag; files carry none (stored as they are)

// Reads numbers of the bundle; a read that would leave it gives nothing.
class Reader {
  public:
    explicit Reader(QByteArrayView bytes) : bytes_(bytes) {}

    std::int64_t Size() const { return bytes_.size(); }
    bool Holds(std::int64_t at, std::int64_t length) const {
        return at >= 0 && length >= 0 && at <= Size() && length <= Size() - at;
    }
    std::optional<std::uint32_t> BigEndian(std::int64_t at, int length) const {
        if (!Holds(at, length)) return std::nullopt;
        std::uint32_t value = 0;
        for (int i = 0; i < length; ++i)
            value = value << 8 | static_cast<std::uint8_t>(bytes_[at + i]);
        return value;
    }

  private:
    QByteArrayView bytes_;
};

// A name the resource system can use as one step of a path: not empty, not "." or "..", and
// without "/", so that every path leads to one node and no path leads back up the tree.
bool IsIntactName(const Reader& r, std::int64_t at, std::int64_t length) {
    if (length == 0 || !r.Holds(at, 2 * length)) return false;
    int dots = 0;
    for (std::int64_t i = 0; i < length; ++i) {
        const auto c = r.BigEndian(at + 2 * i, 2);
        if (c == u'/') return false;
        if (c == u'.') ++dots;
    }
    return !(dots == length && length <= 2);
}

// A file entry, stored as it is: its data, a 32-bit length and the bytes, inside the bundle.
bool IsIntactFileEntry(const Reader& r, std::uint16_t flags, std::int64_t entry) {
    if (flags != 0) return false;
    const auto length = r.BigEndian(entry, 4);
    return length && r.Holds(entry + 4, static_cast<std::int64_t>(*length));
}

}  // namespace

bool IsIntactBundle(QByteArrayView bytes) {
    const Reader r(bytes);
    if (r.Size() > kMaxBundleBytes || r.Size() < 4 || std::memcmp(bytes.data(), "qres", 4) != 0)
        return false;
    const auto version = r.BigEndian(4, 4);
    const auto tree = r.BigEndian(8, 4);
    const auto data = r.BigEndian(12, 4);
    const auto names = r.BigEndian(16, 4);
    if (!version || *version < 1 || *version > 3 || !tree || !data || !names) return false;
    // From version 3 the header's flags say which kinds of compression the files use: none.
    if (*version >= 3 && r.BigEndian(20, 4) != 0u) return false;
    const int nodeSize = *version == 1 ? 14 : 22;
    if (!r.Holds(static_cast<std::int64_t>(*tree), nodeSize)) return false;
    const std::int64_t nodeCount = (r.Size() - static_cast<std::int64_t>(*tree)) / nodeSize;

    // Every node that a path from the root can reach, each once: a node reached again would
    // make a cycle (or a shared child, which no bundle maker writes).
    std::vector<bool> reached(static_cast<std::size_t>(nodeCount));
    std::vector<std::int64_t> pending{0};
    reached[0] = true;
    while (!pending.empty()) {
        const std::int64_t node = pending.back();
        pending.pop_back();
        const std::int64_t at = static_cast<std::int64_t>(*tree) + node * nodeSize;
        const auto nameOffset = r.BigEndian(at, 4);
        const auto flags = r.BigEndian(at + 4, 2);
        if (!nameOffset || !flags) return false;
        // The name: its length, its hash, its characters.
        const std::int64_t name = std::int64_t{*names} + *nameOffset;
        const auto nameLength = r.BigEndian(name, 2);
        if (!nameLength || !r.Holds(name, 6) || !IsIntactName(r, name + 6, *nameLength))
            return false;

        if (*flags == kDirectory) {
            const auto count = r.BigEndian(at + 6, 4);
            const auto first = r.BigEndian(at + 10, 4);
            if (!count || !first || *first > static_cast<std::uint64_t>(nodeCount) ||
                *count > static_cast<std::uint64_t>(nodeCount) - *first)
                return false;
            const std::int64_t end = std::int64_t{*first} + *count;
            for (std::int64_t child = *first; child < end; ++child) {
                if (reached[static_cast<std::size_t>(child)]) return false;
                reached[static_cast<std::size_t>(child)] = true;
                pending.push_back(child);
            }
        } else {
            // The resource system reads the root as a directory whatever its flags say.
            if (node == 0) return false;
            const auto dataOffset = r.BigEndian(at + 10, 4);
            if (!dataOffset || !IsIntactFileEntry(r, static_cast<std::uint16_t>(*flags),
                                                  std::int64_t{*data} + *dataOffset))
                return false;
        }
    }
    return true;
}

std::optional<QByteArray> ReadIntactBundle(const QString& file) {
    // Only a regular file: a pipe or a device might block or never end.
    const QFileInfo info(file);
    if (!info.isFile() || info.size() > kMaxBundleBytes) return std::nullopt;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) return std::nullopt;
    // At most a byte more than the size it had: a file that keeps growing is not read on.
    QByteArray bytes = in.read(info.size() + 1);
    if (in.error() != QFileDevice::NoError || !IsIntactBundle(bytes)) return std::nullopt;
    return bytes;
}

bool RegisterIntactBundle(const QString& file, QByteArray& keep, const QString& root) {
    std::optional<QByteArray> bytes = ReadIntactBundle(file);
    if (!bytes) return false;
    keep = std::move(*bytes);
    if (QResource::registerResource(reinterpret_cast<const uchar*>(keep.constData()), root))
        return true;
    keep.clear();
    return false;
}

}  // namespace slcy
