#include "CompiledArtPages.h"

#include <sys/mman.h>
#include <unistd.h>

#include <QResource>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <functional>

#include "AssetPaths.h"

namespace slcy::assets {

void ReleaseCompiledArtPages() {
    // The resource compiler lays the files one after the other; their span, cut inwards to
    // whole pages, holds nothing else (the names and the tree come after it).
    const uchar* first = nullptr;
    const uchar* end = nullptr;
    for (const std::string& path : AllResources()) {
        // The 2x art is no part of the program: registered, it lies in memory of its own.
        if (path.find("@2x.") != std::string::npos) continue;
        const QResource resource(QString::fromStdString(path));
        if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
            continue;
        const uchar* data = resource.data();
        if (!first || std::less<>()(data, first)) first = data;
        if (!end || std::less<>()(end, data + resource.size())) end = data + resource.size();
    }
    if (!first) return;
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const std::uintptr_t intoFirstPage = reinterpret_cast<std::uintptr_t>(first) % page;
    const uchar* from = first + (intoFirstPage ? page - intoFirstPage : 0);
    const uchar* to = end - reinterpret_cast<std::uintptr_t>(end) % page;
    if (!std::less<>()(from, to)) return;
    // Read-only pages of the program file: released, they are read from the file again if need be.
    madvise(const_cast<uchar*>(from), static_cast<std::size_t>(to - from), MADV_DONTNEED);
}

}  // namespace slcy::assets
