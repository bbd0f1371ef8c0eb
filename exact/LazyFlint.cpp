// SPDX-License-Identifier: GPL-3.0-or-later
// Loads FLINT on the first call of one of its functions: see LazyFlint.S.
// Built only where the program's entry points into FLINT are (x86-64).
#ifdef VORANTEL_FLINT_SONAME

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

extern "C" {
extern void* vorantel_flint_slots[];
extern const char* const vorantel_flint_names[];
extern const long vorantel_flint_count;
[[gnu::visibility("hidden")]] void* VorantelResolveFlint(long index);
}

namespace {

// FLINT belongs to the program as any library it is linked with: without it
// the program cannot go on, and ends as the dynamic loader would have at start.
[[noreturn]] void CannotLoad(const char* what) {
    std::fprintf(stderr, "vorantel: %s\n", what);
    std::abort();
}

} // namespace

void* VorantelResolveFlint(long index) {
    static void* const library = [] {
        void* handle = dlopen(VORANTEL_FLINT_SONAME, RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            CannotLoad(dlerror());
        }
        return handle;
    }();
    if (index < 0 || index >= vorantel_flint_count) {
        CannotLoad("no such FLINT entry");
    }
    void* address = dlsym(library, vorantel_flint_names[index]);
    if (address == nullptr) {
        CannotLoad(dlerror());
    }
    __atomic_store_n(&vorantel_flint_slots[index], address, __ATOMIC_RELEASE);
    return address;
}

#endif
