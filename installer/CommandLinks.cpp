#include "installer/CommandLinks.h"

#include "platform/Installation.h"
#include "platform/Paths.h"

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {
std::string DataHome()
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    return xdg && xdg[0] == '/' ? WithoutClosingSlash(xdg) : HomeFolder() + "/.local/share";
}

bool IsLink(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

std::string LinkTarget(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path target = std::filesystem::read_symlink(path, error);
    return error ? std::string() : target.string();
}
}

std::vector<CommandLink> CommandLinks()
{
    const std::string home = WithoutClosingSlash(HomeFolder());
    const std::string install = InstallDir();
    const std::string manual = home + "/.local/share/man/man1/";
    const std::string completions = DataHome() + "/bash-completion/completions/";
    std::vector<CommandLink> links{
        {home + "/.local/bin/moravel", install + "Kestrane"}, {manual + "Kestrane.1", install + "Kestrane.1"},
        {manual + "moravel.1", install + "Kestrane.1"},       {completions + "Kestrane", install + "Kestrane.bash"},
        {completions + "moravel", install + "Kestrane.bash"},
    };
    // The theme icons and the software centre's metadata, under the application id.
    const std::string icons = DataHome() + "/icons/hicolor/";
    for (const char* size : {"16x16", "24x24", "32x32", "48x48", "64x64", "128x128", "256x256"})
        links.push_back({icons + size + "/apps/" + ApplicationId + ".png",
                         install + "icons/hicolor/" + size + "/apps/" + ApplicationId + ".png"});
    links.push_back({icons + "scalable/apps/" + ApplicationId + ".svg",
                     install + "icons/hicolor/scalable/apps/" + ApplicationId + ".svg"});
    links.push_back(
        {DataHome() + "/metainfo/" + ApplicationId + ".metainfo.xml", install + ApplicationId + ".metainfo.xml"});
    links.push_back({DataHome() + "/fish/vendor_completions.d/moravel.fish", install + "moravel.fish"});
    return links;
}

void CreateCommandLinks()
{
    for (const CommandLink& entry : CommandLinks()) {
        std::error_code ignored;
        std::filesystem::create_directories(std::filesystem::path(entry.link).parent_path(), ignored);
        struct stat info {};
        if (::lstat(entry.link.c_str(), &info) == 0 && !S_ISLNK(info.st_mode))
            continue;
        // Made beside it and renamed over it, so an older link never goes missing.
        const std::string temporary = entry.link + ".moravel-new";
        ::unlink(temporary.c_str());
        if (::symlink(entry.target.c_str(), temporary.c_str()) == 0 &&
            ::rename(temporary.c_str(), entry.link.c_str()) != 0)
            ::unlink(temporary.c_str());
    }
}

void RemoveCommandLinks()
{
    for (const CommandLink& entry : CommandLinks())
        if (IsLink(entry.link) && LinkTarget(entry.link) == entry.target)
            ::unlink(entry.link.c_str());
}
