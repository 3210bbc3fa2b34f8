#include "progress.h"

namespace slcy {

int SolvedCount(const ProgressTable& table, int levelCount) {
    int solved = 0;
    for (int level = 1; level <= levelCount; ++level) solved += ShowsSolved(table, level) ? 1 : 0;
    return solved;
}

bool EveryLevelHasResult(const ProgressTable& table, int levelCount) {
    for (int level = 1; level <= levelCount; ++level)
        if (!HasResult(table, level)) return false;
    return true;
}

}  // namespace slcy
