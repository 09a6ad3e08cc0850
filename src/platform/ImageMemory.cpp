#include "ImageMemory.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include <malloc.h>
#include <unistd.h>

namespace {

constexpr const char* TunablesVariable = "GLIBC_TUNABLES";
constexpr std::string_view HugePagesTunable = "glibc.malloc.hugetlb";
// Set across the restart: what GLIBC_TUNABLES was before ("-" for unset).
constexpr const char* RestartMarker = "ZORAVEL_TUNABLES_BEFORE";

} // namespace

std::optional<std::string> TunablesWithLargePages(const char* current) {
    const std::string_view value = current ? current : "";
    // Entries are name=value pairs separated by colons.
    size_t start = 0;
    while (start <= value.size()) {
        const size_t end = std::min(value.find(':', start), value.size());
        const std::string_view entry = value.substr(start, end - start);
        if (entry.substr(0, entry.find('=')) == HugePagesTunable)
            return std::nullopt;
        start = end + 1;
    }
    std::string result(value);
    if (!result.empty())
        result += ':';
    result += HugePagesTunable;
    result += "=1";
    return result;
}

void SetUpImageMemory(char* argv[]) {
    mallopt(M_ARENA_MAX, 1);
    // Puts GLIBC_TUNABLES back as it was before any restart.
    auto restore = [](const char* saved) {
        if (saved)
            setenv(TunablesVariable, saved, 1);
        else
            unsetenv(TunablesVariable);
        unsetenv(RestartMarker);
    };
    if (const char* before = std::getenv(RestartMarker)) {
        // The restarted program: the environment goes back for the programs it starts.
        const std::string saved(before);
        restore(saved == "-" ? nullptr : saved.c_str());
        return;
    }
    const char* current = std::getenv(TunablesVariable);
    const std::optional<std::string> tuned = TunablesWithLargePages(current);
    if (!tuned)
        return;
    const std::optional<std::string> saved =
        current ? std::optional<std::string>(current) : std::nullopt;
    if (setenv(RestartMarker, saved ? saved->c_str() : "-", 1) != 0)
        return;
    if (setenv(TunablesVariable, tuned->c_str(), 1) == 0)
        execv("/proc/self/exe", argv);
    // No restart: the program runs on with ordinary pages and its own environment.
    restore(saved ? saved->c_str() : nullptr);
}
