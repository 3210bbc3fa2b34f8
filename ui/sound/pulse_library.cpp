#include "pulse_library.h"

#include <dlfcn.h>

namespace slcy {

namespace {

// The library's name for programs built against it: its interface version has been 0 since
// it was first published.
constexpr const char* kPulseLibraryName = "libpulse.so.0";

// Kept open for the rest of the program: the sound output may run until it ends.
const PulseLibrary* Load() {
    void* library = dlopen(kPulseLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (!library) return nullptr;
    static PulseLibrary functions;
    bool complete = true;
#define SLCY_PULSE_RESOLVE(name)                                                 \
    functions.name = reinterpret_cast<decltype(&::name)>(dlsym(library, #name)); \
    complete = complete && functions.name;
    SLCY_PULSE_FUNCTIONS(SLCY_PULSE_RESOLVE)
#undef SLCY_PULSE_RESOLVE
    return complete ? &functions : nullptr;
}

}  // namespace

const PulseLibrary* PulseLibrary::Get() {
    static const PulseLibrary* const library = Load();
    return library;
}

}  // namespace slcy
