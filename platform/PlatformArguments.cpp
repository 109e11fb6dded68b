#include "platform/PlatformArguments.h"

PlatformArguments::PlatformArguments(int argc, char* argv[], const std::string& platform)
{
    for (int i = 0; i < argc; ++i)
        values.emplace_back(argv[i] ? argv[i] : "");
    if (!platform.empty()) {
        values.insert(values.begin() + (values.empty() ? 0 : 1), {"-platform", platform});
    }
    for (std::string& value : values)
        pointers.push_back(value.data());
    count = static_cast<int>(values.size());
    pointers.push_back(nullptr);
}
