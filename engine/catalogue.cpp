#include "catalogue.h"

#include <cerrno>
#include <cstdio>
#include <memory>

namespace slcy {

LevelRecord FallbackLevel() {
    LevelRecord level;
    level.Pieces.fill(kEmptyCell);
    level.Decor.fill(29);
    level.StartColumn = 1;
    level.StartRow = 1;
    return level;
}

CatalogueRead ReadCatalogue(const std::string& path) {
    CatalogueRead result;
    errno = 0;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) {
        result.Error = errno != 0 ? errno : ENOENT;
        return result;
    }
    return ReadCatalogue(file.get());
}

CatalogueRead ReadCatalogue(std::FILE* file) {
    CatalogueRead result;
    result.Levels.reserve(kMaxLevels);
    LevelRecord record;
    errno = 0;
    while (static_cast<int>(result.Levels.size()) < kMaxLevels &&
           std::fread(&record, 1, sizeof record, file) == sizeof record) {
        result.Levels.push_back(record);
    }
    if (result.Levels.empty()) {
        // A directory opens but cannot be read; an empty or short file reads fine but holds
        // no level. Either way there is nothing to play.
        result.Error = std::ferror(file) && errno != 0 ? errno : ENODATA;
    }
    return result;
}

std::string MissingCatalogueMessage(bool german, const std::string& programDirectory, int error) {
    const std::string number = std::to_string(error);
    if (german)
        return "Datei " + programDirectory + "SLCY.DAT konnte nicht gefunden werden. (" + number +
               ")";
    return "Can't find file " + programDirectory + "SLCY.DAT. (" + number + ")";
}

}  // namespace slcy
