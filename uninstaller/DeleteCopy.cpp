#include "uninstaller/DeleteCopy.h"

#include "platform/DataFile.h"
#include "platform/Paths.h"
#include "platform/Process.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::string DeleteCopyPath()
{
    return TempDir() + "uninstall";
}

bool CopyFileExclusively(const std::string& from, const std::string& to)
{
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    struct stat info{};
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

bool StartDeleteCopy()
{
    const std::string copy = DeleteCopyPath();
    struct stat info{};
    if (::lstat(copy.c_str(), &info) == 0)
        MakeWritableAndDelete(copy);
    if (!CopyFileExclusively(InstallDir() + "delete", copy))
        return false;
    return StartDetached({copy}, TempDir());
}
