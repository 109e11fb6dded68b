// Any command line against the task-file path rule. The input is a task file's
// text, a NUL, then the arguments separated by NULs; "$I" in an argument stands
// for InstallDir, so that the fuzzer can reach the exact path.
#include "app/RunMode.h"
#include "schedule/TaskFile.h"
#include "tests/fuzz/FuzzFile.h"

#include <algorithm>

namespace {
std::string Expand(const std::string& argument, const std::string& install)
{
    std::string result;
    for (std::size_t i = 0; i < argument.size(); ++i) {
        if (argument.compare(i, 2, "$I") == 0) {
            result += install;
            ++i;
        } else {
            result += argument[i];
        }
    }
    return result;
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string& install = FuzzInstallDir();
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = std::min(input.find('\0'), input.size());
    WriteFuzzFile(install + "task.dtr", data, split);
    std::vector<std::string> arguments;
    std::string joined;
    for (std::size_t start = split + 1; start <= input.size();) {
        const std::size_t end = std::min(input.find('\0', start), input.size());
        arguments.push_back(Expand(input.substr(start, end - start), install));
        joined += (arguments.size() > 1 ? " " : "") + arguments.back();
        start = end + 1;
    }

    const RunModeChoice choice = ChooseRunMode(arguments);
    const bool named = !arguments.empty() && joined == install + "task.dtr";
    if (choice.namesTaskFile != named)
        std::abort();
    // Unattended exactly when named and the task names a profile and an address.
    const bool complete = named && ReadTaskFile(install + "task.dtr").IsPresent();
    if (choice.unattended != complete)
        std::abort();
    if (EndsSilently(choice, true) || EndsSilently(choice, false) != (named && !complete))
        std::abort();
    return 0;
}
