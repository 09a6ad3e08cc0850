// Starts as the program does, then reports what a large block got, what environment the
// program now has and how many heaps its threads use.
#include "ImageMemory.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

#include <malloc.h>

int main(int, char* argv[]) {
    SetUpImageMemory(argv);
    constexpr size_t Size = 64u << 20;
    auto* block = static_cast<char*>(std::malloc(Size));
    if (!block)
        return 1;
    std::memset(block, 1, Size);
    // Another thread's allocations: with one heap for all, the library reports one heap.
    std::thread([] {
        void* small = std::malloc(1000);
        std::free(small);
    }).join();
    char* report = nullptr;
    size_t reportSize = 0;
    FILE* stream = open_memstream(&report, &reportSize);
    malloc_info(0, stream);
    std::fclose(stream);
    int heaps = 0;
    for (const char* at = report; (at = std::strstr(at, "<heap nr=")); ++at)
        ++heaps;
    std::free(report);
    long hugeKiB = 0;
    std::ifstream rollup("/proc/self/smaps_rollup");
    for (std::string line; std::getline(rollup, line);)
        if (line.rfind("AnonHugePages:", 0) == 0)
            hugeKiB = std::atol(line.c_str() + std::strlen("AnonHugePages:"));
    const char* tunables = std::getenv("GLIBC_TUNABLES");
    std::printf("%ld\n%s\n%s\n%d\n", hugeKiB, tunables ? tunables : "(unset)",
                std::getenv("ZORAVEL_TUNABLES_BEFORE") ? "marker" : "clean", heaps);
    std::free(block);
    return 0;
}
