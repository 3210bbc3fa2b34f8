#include "CompiledArtPages.h"

#include <sys/mman.h>
#include <unistd.h>

#include <QResource>
#include <QString>
#include <algorithm>
#include <cstdint>

#include "AssetPaths.h"

namespace slcy::assets {

void ReleaseCompiledArtPages() {
    // The resource compiler lays the files one after the other; their span, cut inwards to
    // whole pages, holds nothing else (the names and the tree come after it).
    std::uintptr_t first = UINTPTR_MAX, end = 0;
    for (const std::string& path : AllResources()) {
        // The 2x art is no part of the program: registered, it lies in memory of its own.
        if (path.find("@2x.") != std::string::npos) continue;
        const QResource resource(QString::fromStdString(path));
        if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
            continue;
        const auto at = reinterpret_cast<std::uintptr_t>(resource.data());
        first = std::min(first, at);
        end = std::max(end, at + static_cast<std::uintptr_t>(resource.size()));
    }
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const std::uintptr_t from = (first + page - 1) / page * page, to = end / page * page;
    if (from >= to) return;
    madvise(reinterpret_cast<void*>(from), to - from, MADV_DONTNEED);
}

}  // namespace slcy::assets
