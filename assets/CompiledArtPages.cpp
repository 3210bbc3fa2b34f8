#include "CompiledArtPages.h"

#include <sys/mman.h>
#include <unistd.h>

#include <QResource>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

#include "AssetPaths.h"

namespace slcy::assets {

namespace {

struct CompiledFile {
    const uchar* begin;
    const uchar* end;
    bool inUse;  // read during the game, where it lies
};

// Every file compiled into the program, uncompressed, in the order of its place in memory.
std::vector<CompiledFile> CompiledFiles() {
    std::vector<std::string> inUse;
    for (const SheetFile& sheet : kSpriteSheets) inUse.push_back(PlainPixelsPath(sheet.Path));
    std::vector<CompiledFile> files;
    for (const std::string& path : AllResources()) {
        // The 2x art is no part of the program: registered, it lies in memory of its own.
        if (path.find("@2x.") != std::string::npos) continue;
        const QResource resource(QString::fromStdString(path));
        if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
            continue;
        files.push_back({resource.data(), resource.data() + resource.size(),
                         std::find(inUse.begin(), inUse.end(), path) != inUse.end()});
    }
    std::sort(files.begin(), files.end(), [](const CompiledFile& a, const CompiledFile& b) {
        return std::less<>()(a.begin, b.begin);
    });
    return files;
}

void Release(const uchar* begin, const uchar* end) {
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const std::uintptr_t intoFirstPage = reinterpret_cast<std::uintptr_t>(begin) % page;
    const uchar* from = begin + (intoFirstPage ? page - intoFirstPage : 0);
    const uchar* to = end - reinterpret_cast<std::uintptr_t>(end) % page;
    if (!std::less<>()(from, to)) return;
    // Read-only pages of the program file: released, they are read from the file again if need be.
    madvise(const_cast<uchar*>(from), static_cast<std::size_t>(to - from), MADV_DONTNEED);
}

}  // namespace

void ReleaseCompiledArtPages() {
    // The resource compiler lays the files of one resource list one after the other, each after
    // its length in four bytes. A run of such neighbours, none of them in use, cut inwards to
    // whole pages, holds nothing else.
    constexpr std::uintptr_t kLength = 4;
    const std::vector<CompiledFile> files = CompiledFiles();
    const uchar* runBegin = nullptr;
    const uchar* runEnd = nullptr;
    for (const CompiledFile& file : files) {
        // Addresses as numbers: the files of two lists lie in two different arrays.
        const auto gap =
            reinterpret_cast<std::uintptr_t>(file.begin) - reinterpret_cast<std::uintptr_t>(runEnd);
        const bool continues = runBegin && gap <= kLength;
        if (file.inUse || !continues) {
            if (runBegin) Release(runBegin, runEnd);
            runBegin = file.inUse ? nullptr : file.begin;
        }
        runEnd = file.end;
    }
    if (runBegin) Release(runBegin, runEnd);
}

}  // namespace slcy::assets
