#include "uninstaller/Remover.h"

#include "installer/CommandLinks.h"
#include "installer/DesktopEntries.h"
#include "mail/Contacts.h"
#include "platform/DataFile.h"
#include "platform/Paths.h"
#include "schedule/ProcessTable.h"
#include "schedule/SchedulerLink.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::string CurrentDirectory()
{
    char buffer[PATH_MAX];
    return ::getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string();
}

bool IsSameOrInside(const std::string& path, const std::string& folder)
{
    return path == folder ||
           (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 && path[folder.size()] == '/');
}
}

namespace {
bool EndsWithNoCase(const std::string& name, const std::string& ending)
{
    if (name.size() <= ending.size())
        return false;
    for (std::size_t i = 0; i < ending.size(); ++i) {
        const char c = name[name.size() - ending.size() + i];
        if ((c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) != ending[i])
            return false;
    }
    return true;
}

// Regular files (links not followed) whose names end in `ending` (any with an empty
// one), in `folder` and, when deep, in the folders below it.
int CountFiles(const std::string& folder, const std::string& ending, bool deep, int depth = 0)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return 0;
    int count = 0;
    while (dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        struct stat info {};
        const std::string path = folder + "/" + name;
        if (::lstat(path.c_str(), &info) != 0)
            continue;
        if (S_ISREG(info.st_mode) && EndsWithNoCase(name, ending))
            ++count;
        else if (deep && S_ISDIR(info.st_mode) && depth < 32)
            count += CountFiles(path, ending, deep, depth + 1);
    }
    ::closedir(dir);
    return count;
}
}

PersonalData CountPersonalData()
{
    PersonalData data;
    const std::string install = WithoutClosingSlash(InstallDir());
    data.profiles = CountFiles(install, ".ini", false);
    // The index and the address book are ".ini" files too, but no profiles.
    struct stat info {};
    for (const char* other : {"/mv.ini", "/contacts.ini"}) {
        const std::string path = install + other;
        if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode))
            --data.profiles;
    }
    data.contacts = static_cast<int>(ReadContacts(ContactsPath()).size());
    // Every file there is a saved report, whatever its picture format.
    data.reports = CountFiles(WithoutClosingSlash(ReportsDir()), "", true);
    return data;
}

bool MainProgramRunning()
{
    std::vector<std::string> programs{InstallDir() + "Kestrane"};
    if (char* real = ::realpath(InstallDir().c_str(), nullptr)) {
        programs.push_back(WithoutClosingSlash(real) + "/Kestrane");
        std::free(real);
    }
    return AnyProcessRunning(programs);
}

void RemovalList::Add(const std::string& folder)
{
    if (std::find(folders.begin(), folders.end(), folder) == folders.end())
        folders.push_back(folder);
}

bool RemovalList::Empty(const std::string& path)
{
    const std::string folder = WithoutClosingSlash(path);
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return false;
    // A folder we cannot enter or change would keep its contents.
    if ((info.st_mode & S_IRWXU) != S_IRWXU)
        ::chmod(folder.c_str(), (info.st_mode & 07777) | S_IRWXU);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return false;
    }
    Add(folder);

    std::vector<std::string> subfolders;
    std::vector<std::string> files;
    while (dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        struct stat child {};
        if (::fstatat(fd, name.c_str(), &child, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISDIR(child.st_mode))
            subfolders.push_back(name);
        else
            files.push_back(name);
    }
    for (const std::string& name : files) {
        struct stat child {};
        // A file with other names shares its mode with them: it is removed as it is.
        if (::fstatat(fd, name.c_str(), &child, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(child.st_mode) &&
            child.st_nlink == 1 && !(child.st_mode & S_IWUSR))
            ::fchmodat(fd, name.c_str(), (child.st_mode & 07777) | S_IWUSR, 0);
        ::unlinkat(fd, name.c_str(), 0);
    }
    ::closedir(dir);
    for (const std::string& name : subfolders) {
        const std::string child = folder + "/" + name;
        Add(child);
        Empty(child);
    }
    return true;
}

void RemovalList::RemoveFolders() const
{
    for (auto it = folders.rbegin(); it != folders.rend(); ++it)
        ::rmdir(it->c_str());
}

RemovalOutcome RemoveProduct()
{
    // 1. A running main program stops everything before anything is changed.
    if (MainProgramRunning())
        return RemovalOutcome::ProgramRunning;
    // An install folder that is a symbolic link is the link only: every path through
    // it would reach what it points at, which is never touched.
    const std::string installFolder = WithoutClosingSlash(InstallDir());
    struct stat info {};
    const bool linkedInstall = ::lstat(installFolder.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
    const std::string mainProgram = InstallDir() + "Kestrane";
    if (!linkedInstall && ::lstat(mainProgram.c_str(), &info) == 0)
        MakeWritableAndDelete(mainProgram);

    // 2. Where we were started from.
    const std::string startFolder = CurrentDirectory();

    // 3. There is no uninstall registration beyond the menu entry.

    // 4. The work item. Editing the crontab needs no running daemon, so the line goes
    //    even when the daemon could not be started; it would only start a removed program.
    SchedulerLink::EnsureSchedulerRunning();
    SchedulerLink::DeleteWorkItem();

    RemovalList list;
    // 5. Menu entries, the desktop entry and the command line's links.
    RemoveCommandLinks();
    const ShortcutPlaces places = ShortcutPlacesFor();
    list.Empty(places.groupFolder);
    for (const std::string& entry : {places.programShortcut, places.uninstallShortcut})
        if (::lstat(entry.c_str(), &info) == 0 && !S_ISDIR(info.st_mode))
            MakeWritableAndDelete(entry);
    if (::lstat(places.desktopShortcut.c_str(), &info) == 0 && !S_ISDIR(info.st_mode))
        MakeWritableAndDelete(places.desktopShortcut);

    // What the program cached to start faster.
    list.Empty(WithoutClosingSlash(CacheDir()));

    // 6. Reports, then everything else; a linked install folder loses its link.
    const std::string reportsFolder = WithoutClosingSlash(ReportsDir());
    if (linkedInstall) {
        ::unlink(installFolder.c_str());
    } else {
        list.Empty(reportsFolder);
        list.Empty(installFolder);
    }

    // 7. Never stand in a folder about to be removed.
    std::string folder = startFolder;
    if (folder.empty() || IsSameOrInside(folder, installFolder))
        folder = TempDir();
    if (::chdir(folder.c_str()) != 0 && ::chdir(TempDir().c_str()) != 0) {
        [[maybe_unused]] const int ignored = ::chdir("/");
    }

    // 8. to 10. Folders, innermost first, then the fixed ones.
    list.RemoveFolders();
    ::rmdir(WithoutClosingSlash(places.groupFolder).c_str());
    if (!linkedInstall) {
        ::rmdir(reportsFolder.c_str());
        ::rmdir(installFolder.c_str());
    }
    return RemovalOutcome::Removed;
}
