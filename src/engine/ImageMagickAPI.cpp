#include "ImageMagickAPI.h"

#include <dlfcn.h>

#include <memory>
#include <mutex>

namespace ImageMagickAPI {

namespace {

struct TBindingState {
    std::mutex Lock;
    void* Handle = nullptr;
    int LoadCount = 0;
    std::array<void*, EntryCount> Entries{};
    std::array<void*, static_cast<int>(TMagickExtraEntry::Count)> ExtraEntries{};
};

// Created in ModuleStart and destroyed in ModuleEnd, never by static initialisation order.
std::unique_ptr<TBindingState> State;
QString FileName = QString::fromLatin1(DefaultLibraryFileName);

constexpr std::array<const char*, EntryCount> Names = {
#define ZV_ENTRY_NAME(name) #name,
    ZV_MAGICK_ENTRIES(ZV_ENTRY_NAME)
#undef ZV_ENTRY_NAME
};

constexpr std::array<const char*, static_cast<int>(TMagickExtraEntry::Count)> ExtraNames = {
#define ZV_ENTRY_NAME(name) #name,
    ZV_MAGICK_EXTRA_ENTRIES(ZV_ENTRY_NAME)
#undef ZV_ENTRY_NAME
};

TBindingState& Current() {
    if (!State)
        ModuleStart();
    return *State;
}

} // namespace

const std::array<const char*, EntryCount>& EntryNames() {
    return Names;
}

void ModuleStart() {
    if (!State)
        State = std::make_unique<TBindingState>();
}

void ModuleEnd() {
    if (!State)
        return;
    // A failed load still counted a user, so this always balances the count.
    while (LoadCount() > 0)
        UnloadMagickLibrary();
    State.reset();
}

bool LoadMagickLibrary(const QString& clientPath) {
    TBindingState& s = Current();
    std::lock_guard guard(s.Lock);
    ++s.LoadCount;
    if (s.Handle)
        return true;
    s.Handle = dlopen(FileName.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    if (!s.Handle)
        return false;
    for (int i = 0; i < EntryCount; ++i)
        s.Entries[i] = dlsym(s.Handle, Names[i]);
    for (size_t i = 0; i < ExtraNames.size(); ++i)
        s.ExtraEntries[i] = dlsym(s.Handle, ExtraNames[i]);
    using TInitializeMagick = void (*)(const char*);
    if (auto init = reinterpret_cast<TInitializeMagick>(
            s.Entries[static_cast<int>(TMagickEntry::InitializeMagick)])) {
        const QByteArray path = clientPath.toLocal8Bit();
        init(path.constData());
    }
    return true;
}

bool UnloadMagickLibrary() {
    TBindingState& s = Current();
    std::lock_guard guard(s.Lock);
    if (s.LoadCount > 0)
        --s.LoadCount;
    if (!s.Handle || s.LoadCount > 0)
        return s.Handle == nullptr;
    using TDestroyMagick = void (*)();
    if (auto destroy = reinterpret_cast<TDestroyMagick>(
            s.Entries[static_cast<int>(TMagickEntry::DestroyMagick)]))
        destroy();
    dlclose(s.Handle);
    s.Handle = nullptr;
    s.Entries.fill(nullptr);
    s.ExtraEntries.fill(nullptr);
    return true;
}

bool IsLibraryLoaded() {
    TBindingState& s = Current();
    std::lock_guard guard(s.Lock);
    return s.Handle != nullptr;
}

int LoadCount() {
    TBindingState& s = Current();
    std::lock_guard guard(s.Lock);
    return s.LoadCount;
}

void SetLibraryFileName(const QString& fileName) {
    FileName = fileName;
}
QString LibraryFileName() {
    return FileName;
}

void* EntryAddress(TMagickEntry entry) {
    return State ? State->Entries[static_cast<int>(entry)] : nullptr;
}

void* ExtraEntryAddress(TMagickExtraEntry entry) {
    return State ? State->ExtraEntries[static_cast<int>(entry)] : nullptr;
}

} // namespace ImageMagickAPI
