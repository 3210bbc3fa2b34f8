// The start's heap: grown at once to the start-up's size and resident before it is used; what
// comes after it, as the C library does it by default.
#include "start_heap.h"

#include <gtest/gtest.h>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace slcy {
namespace {

// Resident kB of the heap, from the kernel's account of the process's mappings.
long ResidentHeapKb() {
    std::ifstream maps("/proc/self/smaps");
    bool heap = false;
    for (std::string line; std::getline(maps, line);) {
        if (line.find("[heap]") != std::string::npos) heap = true;
        if (heap && line.rfind("Rss:", 0) == 0) return std::stol(line.substr(4));
    }
    return 0;
}

TEST(StartHeap, IsResidentAtTheStartUpsSizeAndLeavesTheLibrarysWaysAfterIt) {
    const struct mallinfo2 before = mallinfo2();
    ASSERT_LT(before.arena, kStartHeapBytes);
    const long residentBefore = ResidentHeapKb();
    PopulateStartHeap();
    const std::size_t start = mallinfo2().arena;
    EXPECT_GE(start, kStartHeapBytes);
    EXPECT_GE(ResidentHeapKb() - residentBefore, static_cast<long>(start - before.arena) / 1024);

    // Beyond the start-up's size, the heap grows in the library's small steps...
    std::vector<void*> blocks;  // used afterwards, so each is asked for
    while (mallinfo2().arena == start) blocks.push_back(std::malloc(std::size_t{32} * 1024));
    EXPECT_LT(mallinfo2().arena - start, 512u * 1024);
    // ...and a large block it cannot give from the heap is mapped on its own.
    const std::size_t mapped = mallinfo2().hblks;
    void* volatile large = std::malloc(std::size_t{256} * 1024);  // volatile: really asked for
    EXPECT_EQ(mallinfo2().hblks, mapped + 1);
    std::free(large);
    for (void* block : blocks) std::free(block);
}

// Writes one byte into each page of the blocks; returns the page faults that cost.
long FaultsWriting(const std::vector<char*>& blocks, std::size_t bytes, char value) {
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    for (char* block : blocks)
        for (std::size_t at = 0; at < bytes; at += page)
            static_cast<char volatile*>(block)[at] = value;
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    return after.ru_minflt - before.ru_minflt;
}

void ForkAChildThatEndsAtOnce() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    ASSERT_GT(child, 0);
    waitpid(child, nullptr, 0);
}

TEST(StartHeap, IsTheProgramsOwnAgainAfterAForkInOneCall) {
    PopulateStartHeap();
    constexpr std::size_t kBlockBytes = std::size_t{16} * 1024;
    std::vector<char*> blocks(32);
    for (char*& block : blocks) block = static_cast<char*>(std::malloc(kBlockBytes));
    const long pages = static_cast<long>(blocks.size() * kBlockBytes / sysconf(_SC_PAGESIZE));
    FaultsWriting(blocks, kBlockBytes, 1);

    // After a fork, the pages are shared until each is written again...
    ForkAChildThatEndsAtOnce();
    EXPECT_GE(FaultsWriting(blocks, kBlockBytes, 2), pages / 2);
    // ...unless the heap is taken back first: the pages in memory, and not one more.
    const std::size_t arena = mallinfo2().arena;
    std::vector<void*> unwritten;  // beyond the start's size, the heap grows by pages not yet used
    while (mallinfo2().arena == arena) unwritten.push_back(std::malloc(kBlockBytes));
    ForkAChildThatEndsAtOnce();
    const long resident = ResidentHeapKb();
    RepopulateHeap();
    EXPECT_LT(ResidentHeapKb() - resident, 16);
    EXPECT_LT(FaultsWriting(blocks, kBlockBytes, 3), pages / 8);
    for (void* block : unwritten) std::free(block);
    for (char* block : blocks) std::free(block);
}

}  // namespace
}  // namespace slcy
