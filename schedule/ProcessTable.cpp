#include "schedule/ProcessTable.h"

#include "platform/Paths.h"

#include <algorithm>
#include <climits>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {
std::vector<int> ProcessIds(const std::string& procRoot)
{
    std::vector<int> ids;
    DIR* folder = ::opendir(procRoot.c_str());
    if (!folder)
        return ids;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string name = entry->d_name;
        if (name.empty() || !std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        if (name.size() > 9)
            continue;
        ids.push_back(std::stoi(name));
    }
    ::closedir(folder);
    std::sort(ids.begin(), ids.end());
    return ids;
}

bool ReadWhole(const std::string& path, std::string& content)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    content.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return true;
}
}

bool AnyProcessNamed(const std::vector<std::string>& names, const std::string& procRoot)
{
    for (int id : ProcessIds(procRoot)) {
        std::string comm;
        if (!ReadWhole(procRoot + "/" + std::to_string(id) + "/comm", comm))
            continue;
        while (!comm.empty() && (comm.back() == '\n' || comm.back() == '\0'))
            comm.pop_back();
        if (std::find(names.begin(), names.end(), comm) != names.end())
            return true;
    }
    return false;
}

bool AnyProcessRunning(const std::vector<std::string>& programPaths, const std::string& procRoot)
{
    for (int id : ProcessIds(procRoot)) {
        const std::string link = procRoot + "/" + std::to_string(id) + "/exe";
        char target[PATH_MAX];
        const ssize_t n = ::readlink(link.c_str(), target, sizeof target - 1);
        if (n <= 0)
            continue;
        std::string program(target, static_cast<std::size_t>(n));
        // The link to a replaced or deleted file ends in " (deleted)".
        const std::string deleted = " (deleted)";
        if (program.size() > deleted.size() &&
            program.compare(program.size() - deleted.size(), deleted.size(), deleted) == 0)
            program.erase(program.size() - deleted.size());
        if (std::find(programPaths.begin(), programPaths.end(), program) != programPaths.end())
            return true;
    }
    return false;
}

std::vector<int> FindProcesses(const std::string& programName, const std::string& arguments,
                               const std::string& procRoot)
{
    std::vector<int> found;
    const int self = static_cast<int>(::getpid());
    for (int id : ProcessIds(procRoot)) {
        if (id == self)
            continue;
        std::string cmdline;
        if (!ReadWhole(procRoot + "/" + std::to_string(id) + "/cmdline", cmdline) || cmdline.empty())
            continue;
        // NUL-separated arguments, the last one NUL-terminated.
        if (cmdline.back() == '\0')
            cmdline.pop_back();
        std::vector<std::string> argv;
        std::size_t start = 0;
        while (true) {
            const std::size_t end = cmdline.find('\0', start);
            argv.push_back(cmdline.substr(start, end == std::string::npos ? std::string::npos : end - start));
            if (end == std::string::npos)
                break;
            start = end + 1;
        }
        if (LastPathPart(argv.front()) != programName)
            continue;
        std::string joined;
        for (std::size_t i = 1; i < argv.size(); ++i)
            joined += (i > 1 ? " " : "") + argv[i];
        if (argv.size() > 1 && joined == arguments)
            found.push_back(id);
    }
    return found;
}
