// The level catalogue: up to 500 records of 162 bytes read once from slcy.dat beside the
// program. The records are never changed after loading; play works on a copy.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "board.h"
#include "progress.h"

namespace slcy {

inline constexpr const char* kCatalogueFileName = "slcy.dat";

struct CatalogueRead {
    std::vector<LevelRecord> Levels;  // at most 500
    int Error = 0;                    // the system's error number when nothing could be read
};

// Reads whole records from the file until its end or the 500th record; a short tail is
// dropped. A file that cannot be opened or read, or that holds no whole record, gives no
// levels and a non-zero Error.
CatalogueRead ReadCatalogue(const std::string& path);
// The same from a file already open for reading.
CatalogueRead ReadCatalogue(std::FILE* file);

// The message shown when the catalogue cannot be used, in the player's language.
std::string MissingCatalogueMessage(bool german, const std::string& programDirectory, int error);

}  // namespace slcy
