#include "platform/Paths.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::string WithSlash(std::string path)
{
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

// InstallDir has one "/" between names and no "." names: a page address made from it
// must not begin with "//" (a network host) or differ from the folder's own name.
std::string Normalised(const std::string& path)
{
    std::string out;
    std::size_t pos = 0;
    while (pos < path.size()) {
        const std::size_t end = std::min(path.find('/', pos), path.size());
        const std::string name = path.substr(pos, end - pos);
        if (!name.empty() && name != ".")
            out += "/" + name;
        pos = end + 1;
    }
    if (!path.empty() && path[0] != '/' && !out.empty())
        out.erase(0, 1);  // a relative path stays relative
    return out.empty() || path.back() == '/' ? out + "/" : out;
}
}

std::string InstallDir()
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/')
        return Normalised(WithSlash(xdg) + "moravel/");
    return Normalised(WithSlash(HomeFolder()) + ".local/share/moravel/");
}

std::string ReportsDir()
{
    return InstallDir() + "Reports/";
}

std::string CacheDir()
{
    const char* xdg = std::getenv("XDG_CACHE_HOME");
    if (xdg && xdg[0] == '/')
        return Normalised(WithSlash(xdg) + "moravel/");
    return Normalised(WithSlash(HomeFolder()) + ".cache/moravel/");
}

std::string TempDir()
{
    const char* tmp = std::getenv("TMPDIR");
    if (tmp && tmp[0])
        return WithSlash(tmp);
    return "/tmp/";
}

std::string HomeFolder()
{
    const char* home = std::getenv("HOME");
    return home && home[0] ? home : "/tmp";
}

std::string WithoutClosingSlash(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

std::string LastPathPart(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FileNameOfPath(const std::string& path)
{
    const std::size_t n = path.size();
    if (n >= 4 && path[n - 4] != '.' && path[n - 3] != '.' && path[n - 2] != '.')
        return {};
    return LastPathPart(path);
}

void CreateInstallFolders()
{
    std::error_code ignored;
    // The parents are the user's ordinary folders; the two of ours hold personal data
    // and are made for the user alone. Folders that exist keep their mode.
    std::filesystem::create_directories(std::filesystem::path(WithoutClosingSlash(InstallDir())).parent_path(),
                                        ignored);
    for (const std::string& folder : {InstallDir(), ReportsDir()})
        ::mkdir(WithoutClosingSlash(folder).c_str(), 0700);
}

bool EnterInstallDir()
{
    return ::chdir(InstallDir().c_str()) == 0;
}
