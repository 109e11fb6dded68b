#include "app/ModuleLoader.h"

#include "platform/Installation.h"

#include <cstdio>
#include <dlfcn.h>
#include <string>

int RunModule(const char* module, const char* entry, int argc, char* argv[])
{
    const std::string folder = RunningProgramFolder();
    const std::string path = folder + module;
    // Lazy binding: a start resolves only the functions it calls.
    void* handle = folder.empty() ? nullptr : ::dlopen(path.c_str(), RTLD_LAZY | RTLD_LOCAL);
    using Entry = int (*)(int, char**);
    const Entry run = handle ? reinterpret_cast<Entry>(::dlsym(handle, entry)) : nullptr;
    if (!run) {
        const char* why = folder.empty() ? "the program's folder is unknown" : ::dlerror();
        std::fprintf(stderr, "Kestrane: cannot load %s: %s\n", path.c_str(), why ? why : "it has no entry");
        return 1;
    }
    return run(argc, argv);
}
