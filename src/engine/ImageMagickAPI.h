#pragma once

#include "MagickEntries.h"

#include <QString>

#include <array>

// Run-time binding of the image library. Nothing links against it; every call goes
// through the entry table filled here.
namespace ImageMagickAPI {

inline constexpr int EntryCount = static_cast<int>(TMagickEntry::Count);
inline constexpr const char* DefaultLibraryFileName = "libMagickCore-6.Q16.so.6";

const std::array<const char*, EntryCount>& EntryNames();

// Module life cycle: called at defined points of program start and end.
void ModuleStart();
void ModuleEnd();

// Binds the library if needed and counts one user.
bool LoadMagickLibrary(const QString& clientPath);
// Releases one user; unbinds when the last one is gone.
bool UnloadMagickLibrary();

bool IsLibraryLoaded();
int LoadCount();

// The file the next load opens; tests point it elsewhere.
void SetLibraryFileName(const QString& fileName);
QString LibraryFileName();

void* EntryAddress(TMagickEntry entry);
void* ExtraEntryAddress(TMagickExtraEntry entry);

template <typename F> F Entry(TMagickEntry entry) {
    return reinterpret_cast<F>(EntryAddress(entry));
}
template <typename F> F ExtraEntry(TMagickExtraEntry entry) {
    return reinterpret_cast<F>(ExtraEntryAddress(entry));
}

} // namespace ImageMagickAPI
