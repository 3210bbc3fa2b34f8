#include "start_heap.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace slcy {

namespace {
// The C library's defaults, which the start changes for a moment.
constexpr int kDefaultTopPad = 128 * 1024;
constexpr int kDefaultMmapThreshold = 128 * 1024;

char* heapBottom = nullptr;  // where the heap begins, once the start has looked

char* PageBelow(char* address) {
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    return address - reinterpret_cast<std::uintptr_t>(address) % page;
}

char* PageAbove(char* address) {
    return PageBelow(address + sysconf(_SC_PAGESIZE) - 1);
}

// A kernel without this call (before Linux 5.14) refuses it: the pages then come one by one, as
// they always did.
void PopulateForWriting(char* from, char* to) {
    if (from < to) madvise(from, static_cast<std::size_t>(to - from), MADV_POPULATE_WRITE);
}
}  // namespace

void PopulateStartHeap() {
    const struct mallinfo2 now = mallinfo2();
    // Only the main thread has run: all of the heap lies below the break, in one piece.
    heapBottom = static_cast<char*>(sbrk(0)) - now.arena;
    if (now.arena >= kStartHeapBytes) return;
    constexpr int kStartHeap = static_cast<int>(kStartHeapBytes);
    // Free room at the top of the heap is handed back to the system only beyond this.
    mallopt(M_TRIM_THRESHOLD, kStartHeap);
    // An allocation larger than the free top of the heap, taken from the heap, grows it by the
    // top pad as well: to the start-up's size, in one step.
    mallopt(M_TOP_PAD, kStartHeap - static_cast<int>(now.arena));
    mallopt(M_MMAP_THRESHOLD, 2 * kStartHeap);
    char* const freeTop = static_cast<char*>(sbrk(0)) - now.keepcost;
    // Kept in a volatile: a block freed unused may otherwise never be asked for at all.
    void* volatile grow = std::malloc(now.keepcost + 1);
    std::free(grow);
    mallopt(M_MMAP_THRESHOLD, kDefaultMmapThreshold);
    mallopt(M_TOP_PAD, kDefaultTopPad);
    PopulateForWriting(PageAbove(freeTop), static_cast<char*>(sbrk(0)));
}

void RepopulateHeap() {
    if (!heapBottom) return;
    char* const bottom = PageBelow(heapBottom);
    char* const top = static_cast<char*>(sbrk(0));
    // Only the pages in memory already: the rest of the heap stays as light as it is.
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    const std::size_t pages = static_cast<std::size_t>(top - bottom) / page;
    std::vector<unsigned char> inMemory(pages);
    if (mincore(bottom, pages * page, inMemory.data()) != 0) return;
    for (std::size_t run = 0; run < pages;) {
        std::size_t end = run;
        while (end < pages && (inMemory[end] & 1)) ++end;
        PopulateForWriting(bottom + run * page, bottom + end * page);
        run = end + 1;
    }
}

}  // namespace slcy
