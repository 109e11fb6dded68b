#include "uninstaller/DeleteCopy.h"

#include "platform/Installation.h"
#include "platform/Paths.h"
#include "platform/Process.h"
#include "schedule/ProcessTable.h"

#include <cerrno>
#include <cstdlib>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <vector>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const std::string CopyFolderPrefix = "moravel-uninstall-";

std::string RealPath(const std::string& path)
{
    char* real = ::realpath(path.c_str(), nullptr);
    const std::string result = real ? real : "";
    std::free(real);
    return result;
}
}

bool CopyFileExclusively(const std::string& from, const std::string& to)
{
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    struct stat info {};
    if (::fstat(in, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(in);
        return false;
    }
    // The temporary folder is shared: never write through what someone else put there.
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (out < 0) {
        ::close(in);
        return false;
    }
    bool ok = true;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ok = false;
            break;
        }
        ssize_t done = 0;
        while (done < n) {
            const ssize_t w = ::write(out, buffer + done, static_cast<std::size_t>(n - done));
            if (w < 0) {
                if (errno == EINTR)
                    continue;
                ok = false;
                break;
            }
            done += w;
        }
        if (!ok)
            break;
    }
    ::close(in);
    ok = ok && ::fchmod(out, info.st_mode & 0777) == 0;
    ok = ::close(out) == 0 && ok;
    if (!ok)
        ::unlink(to.c_str());
    return ok;
}

bool StartDeleteCopy(std::string* copyPath)
{
    std::string folder = TempDir() + CopyFolderPrefix + "XXXXXX";
    if (!::mkdtemp(folder.data()))
        return false;
    const std::string copy = folder + "/uninstall";
    if (CopyFileExclusively(CurrentLayout().programs + "delete", copy) &&
        StartDetached({copy, LauncherArgument, std::to_string(::getpid())}, folder)) {
        if (copyPath)
            *copyPath = copy;
        return true;
    }
    ::unlink(copy.c_str());
    ::rmdir(folder.c_str());
    return false;
}

int RemoveStaleDeleteCopies()
{
    const std::string temp = TempDir();
    DIR* dir = ::opendir(temp.c_str());
    if (!dir)
        return 0;
    std::vector<std::string> stale;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        struct stat info {};
        if (name.rfind(CopyFolderPrefix, 0) != 0 || ::lstat((temp + name).c_str(), &info) != 0 ||
            !S_ISDIR(info.st_mode) || info.st_uid != ::getuid())
            continue;
        if (!AnyProcessRunning({temp + name + "/uninstall"}))
            stale.push_back(temp + name);
    }
    ::closedir(dir);
    int removed = 0;
    for (const std::string& folder : stale) {
        // The folder holds the copy, whole or cut short, and nothing else of ours.
        ::unlink((folder + "/uninstall").c_str());
        removed += ::rmdir(folder.c_str()) == 0;
    }
    return removed;
}

bool RemoveOwnCopy(const std::string& program)
{
    const std::size_t slash = program.rfind('/');
    if (slash == std::string::npos || program.substr(slash + 1) != "uninstall")
        return false;
    const std::string folder = program.substr(0, slash);
    const std::size_t parentSlash = folder.rfind('/');
    if (parentSlash == std::string::npos ||
        folder.compare(parentSlash + 1, CopyFolderPrefix.size(), CopyFolderPrefix) != 0 ||
        RealPath(folder.substr(0, parentSlash + 1)) != RealPath(TempDir()))
        return false;
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid())
        return false;
    ::unlink(program.c_str());
    // The copy runs in its folder; it steps out before removing it.
    if (::chdir(TempDir().c_str()) != 0) {
        [[maybe_unused]] const int ignored = ::chdir("/");
    }
    return ::rmdir(folder.c_str()) == 0;
}
