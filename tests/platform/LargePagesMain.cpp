// Starts as the program does, then reports what a large block got and what environment the
// program now has.
#include "LargePages.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

int main(int, char* argv[]) {
    UseLargeMemoryPages(argv);
    constexpr size_t Size = 64u << 20;
    auto* block = static_cast<char*>(std::malloc(Size));
    if (!block)
        return 1;
    std::memset(block, 1, Size);
    long hugeKiB = 0;
    std::ifstream rollup("/proc/self/smaps_rollup");
    for (std::string line; std::getline(rollup, line);)
        if (line.rfind("AnonHugePages:", 0) == 0)
            hugeKiB = std::atol(line.c_str() + std::strlen("AnonHugePages:"));
    const char* tunables = std::getenv("GLIBC_TUNABLES");
    std::printf("%ld\n%s\n%s\n", hugeKiB, tunables ? tunables : "(unset)",
                std::getenv("ZORAVEL_TUNABLES_BEFORE") ? "marker" : "clean");
    std::free(block);
    return 0;
}
