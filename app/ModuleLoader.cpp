#include "app/ModuleLoader.h"

#include "platform/ProgramModule.h"

#include <cstdio>
#include <string>

int RunModule(const char* module, const char* entry, int argc, char* argv[])
{
    std::string failure;
    using Entry = int (*)(int, char**);
    const auto run = reinterpret_cast<Entry>(ProgramModuleEntry(module, entry, failure));
    if (!run) {
        std::fprintf(stderr, "Kestrane: %s\n", failure.c_str());
        return 1;
    }
    return run(argc, argv);
}
