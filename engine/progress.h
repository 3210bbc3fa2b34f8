// The player's results: one entry per level, 0 unsolved, above 0 the ticks that were left
// when the level was solved for the first time. Negative entries only come from files.
#pragma once

#include <array>
#include <cstdint>

namespace slcy {

inline constexpr int kMaxLevels = 500;

using ProgressTable = std::array<std::int32_t, kMaxLevels>;

// The entry of level n (1..500).
inline std::int32_t& Entry(ProgressTable& table, int level) { return table[level - 1]; }
inline std::int32_t Entry(const ProgressTable& table, int level) { return table[level - 1]; }

// What the counter, the gauge and the level box call solved: a result above 0.
inline bool ShowsSolved(const ProgressTable& table, int level) { return Entry(table, level) > 0; }

// What the level buttons and the all-solved test call solved: any result but 0.
inline bool HasResult(const ProgressTable& table, int level) { return Entry(table, level) != 0; }

// Levels 1..levelCount that show as solved.
int SolvedCount(const ProgressTable& table, int levelCount);

// True when every level 1..levelCount has a result.
bool EveryLevelHasResult(const ProgressTable& table, int levelCount);

}  // namespace slcy
