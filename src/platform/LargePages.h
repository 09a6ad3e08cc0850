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

// Starts the program image again, at most once and before anything else runs, with huge
// pages for large blocks; the restarted program sees the environment as it was. Returns
// when no restart is needed or possible.
void UseLargeMemoryPages(char* argv[]);
