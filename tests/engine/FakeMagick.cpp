// A stand-in image library that only counts the life-cycle calls the binding makes.
extern "C" {

int ZVFakeInitializeCalls = 0;
int ZVFakeDestroyCalls = 0;
const char* ZVFakeClientPath = nullptr;

__attribute__((visibility("default"))) void InitializeMagick(const char* path) {
    ++ZVFakeInitializeCalls;
    ZVFakeClientPath = path;
}

__attribute__((visibility("default"))) void DestroyMagick() {
    ++ZVFakeDestroyCalls;
}

__attribute__((visibility("default"))) void* ReadImage(void*, void*) {
    return nullptr;
}
}
