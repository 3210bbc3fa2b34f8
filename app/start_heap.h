// The heap the start-up grows into, mapped in one call before it is used.
//
// Each page the program touches for the first time costs a trip into the kernel, and on a
// virtual machine one such trip takes ten microseconds and more: the three hundred pages of
// heap that the start-up fills before the first paint cost milliseconds, on both cores, while
// the window system needs them too. Grown at once to the size the start-up reaches and
// populated by one call, they cost a fraction of that. No more is populated than the start-up
// fills in any case, so the game keeps no more memory than it did.
#pragma once

#include <cstddef>

namespace slcy {

// About what the heap holds when the window is first painted; the game in play holds more.
inline constexpr std::size_t kStartHeapBytes = 1280 * 1024;

// Call first thing in main(), while only one thread runs and little of the heap is in use.
void PopulateStartHeap();

// A child process forked by a library shares the heap's pages with the program, and each page
// the program writes after the fork is a trip into the kernel of its own again, even once the
// child is gone. Call after such a fork, and after PopulateStartHeap: the heap's pages in memory
// are made the program's own once more, in one call; no page is added.
void RepopulateHeap();

}  // namespace slcy
