#include "platform/ProgramModule.h"

#include "platform/Installation.h"

#include <dlfcn.h>

void* ProgramModuleEntry(const char* module, const char* entry, std::string& failure)
{
    const std::string folder = RunningProgramFolder();
    const std::string path = folder + module;
    void* handle = folder.empty() ? nullptr : ::dlopen(path.c_str(), RTLD_LAZY | RTLD_LOCAL);
    void* function = handle ? ::dlsym(handle, entry) : nullptr;
    if (!function) {
        const char* why = folder.empty() ? "the program's folder is unknown" : ::dlerror();
        failure = "cannot load " + path + ": " + (why ? why : "it has no entry");
    }
    return function;
}
