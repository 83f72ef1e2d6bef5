// Keeps the software graphics driver mapped until the process ends, so the leak checker can name it.
#include <dlfcn.h>

namespace {

// The GL library unloads its driver at exit, before the leak checker runs; the allocations the driver
// keeps for the process's life then come from an unknown module that no suppression can match. Holding
// the driver with RTLD_NODELETE keeps its name, and tests/lsan.supp's "swrast_dri" entry applies.
struct KeepGraphicsDriverLoaded {
    KeepGraphicsDriverLoaded() {
        const char* const candidates[] = {"/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so",
                                          "/usr/lib/aarch64-linux-gnu/dri/swrast_dri.so",
                                          "/usr/lib/dri/swrast_dri.so"};
        for (const char* path : candidates)
            if (dlopen(path, RTLD_LAZY | RTLD_NODELETE) != nullptr) break;
    }
} keepGraphicsDriverLoaded;

} // namespace
