#pragma once

#include <optional>
#include <string>

// Decoding a large photo touches a hundred megabytes of fresh memory per image; backed by
// 4 KiB pages that is tens of thousands of page faults, which cost as much as the decoding
// on some machines. The C library backs its large blocks with transparent huge pages when
// its "glibc.malloc.hugetlb" tunable is 1, and tunables are read only when a program starts.

// The GLIBC_TUNABLES value that adds huge pages to `current` (null when unset); nothing when
// `current` already decides on them either way.
std::optional<std::string> TunablesWithLargePages(const char* current);

// Called first thing in main. Starts the program image again, at most once, with huge pages
// for large blocks; the restarted program sees the environment as it was. Then lets every
// thread allocate from one heap, so that what one image frees is there for the next whichever
// thread (the job or the one loading ahead) allocates it. Without a restart the program runs
// on with ordinary pages.
void SetUpImageMemory(char* argv[]);
