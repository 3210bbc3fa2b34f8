// Any bytes as the help file. The rules button's path through it (read, check, register, find
// topics 1 and 2) must never crash; and a bundle that passes the check must be readable whole
// by Qt's resource system without a read outside it. Qt is not built with the sanitizers, so
// the bundle is handed to it at the very end of readable memory: a page without access
// follows, and one byte read past the bundle faults.
#include <sys/mman.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QResource>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "bundle_check.h"
#include "help_file.h"

namespace {

class GuardedCopy {
  public:
    GuardedCopy(const std::uint8_t* data, std::size_t size) {
        const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
        span_ = (size + page - 1) / page * page + page;
        base_ = static_cast<std::uint8_t*>(
            mmap(nullptr, span_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
        if (base_ == MAP_FAILED || mprotect(base_ + span_ - page, page, PROT_NONE) != 0)
            std::abort();
        start_ = base_ + span_ - page - size;
        std::memcpy(start_, data, size);
    }
    ~GuardedCopy() { munmap(base_, span_); }
    GuardedCopy(const GuardedCopy&) = delete;
    GuardedCopy& operator=(const GuardedCopy&) = delete;

    const uchar* data() const { return start_; }

  private:
    std::uint8_t* base_ = nullptr;
    std::uint8_t* start_ = nullptr;
    std::size_t span_ = 0;
};

// Opens and reads every entry, as the viewer does with the pages and pictures it shows.
void ReadEverything(const QString& root) {
    QDirIterator it(QLatin1Char(':') + root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    for (int entries = 0; it.hasNext() && entries < 100000; ++entries) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) file.readAll();
        QFileInfo(path).lastModified();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("slcy.rcc"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) std::abort();
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    for (int topic : {1, 2}) slcy::TopicUrl(path, topic);
    slcy::ForgetHelpFile();

    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    if (!slcy::IsIntactBundle(bytes)) return 0;
    const GuardedCopy copy(data, size);
    const QString root = QStringLiteral("/fuzz");
    if (!QResource::registerResource(copy.data(), root)) return 0;
    ReadEverything(root);
    QFile map(QLatin1Char(':') + root + QStringLiteral("/context.map"));
    if (map.open(QIODevice::ReadOnly)) slcy::PageOfContext(QString::fromUtf8(map.readAll()), 1);
    QResource::unregisterResource(copy.data(), root);
    return 0;
}
