#include "platform/SingleInstance.h"

#include "platform/DataFile.h"

#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <ctime>
#include <unistd.h>

namespace {
// A later start signals SIGUSR1; the handler only wakes the event loop through a pipe.
int wakePipe[2] = {-1, -1};

void OnShowSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(wakePipe[1], &byte, 1);
    errno = saved;
}

bool InstallShowSignal()
{
    if (wakePipe[0] < 0 && ::pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    struct sigaction action {};
    action.sa_handler = OnShowSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(SIGUSR1, &action, nullptr) == 0;
}

// A later start's request waits in a file of this name and its process id.
const std::string kRequestPrefix = ".moravel.open-";
constexpr std::size_t kMaxRequestSize = 4096;

pid_t ReadHolder(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return 0;
    struct stat info {};
    char text[32] = {};
    const ssize_t n = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) ? ::read(fd, text, sizeof text - 1) : 0;
    ::close(fd);
    if (n <= 0)
        return 0;
    long value = 0;
    for (ssize_t i = 0; i < n && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10 + (text[i] - '0');
    return value > 1 ? static_cast<pid_t>(value) : 0;
}

std::string ProgramOf(const std::string& proc)
{
    char target[4096];
    const ssize_t n = ::readlink((proc + "/exe").c_str(), target, sizeof target - 1);
    return n > 0 ? std::string(target, static_cast<std::size_t>(n)) : std::string();
}

// The lock file, opened without following a link and without waiting on a FIFO;
// -1 with `notRegular` set when something other than a plain file is at the path.
int OpenLockFile(const std::string& path, bool& notRegular)
{
    notRegular = false;
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0600);
    struct stat info {};
    if (fd < 0) {
        notRegular = ::lstat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
        return -1;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        notRegular = true;
        return -1;
    }
    return fd;
}

// Puts a new private file where something other than a plain file is: renamed over
// a link, FIFO, socket or device (a link's target is never touched); an empty folder
// is removed. False when that cannot be done (a folder with files in it).
bool ReplaceWithFile(const std::string& folder, const std::string& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        return errno == ENOENT;
    if (S_ISREG(info.st_mode))
        return true;
    if (S_ISDIR(info.st_mode))
        return ::rmdir(path.c_str()) == 0 || errno == ENOENT;
    std::string temp = folder + ".moravel-XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    ::close(fd);
    if (::rename(temp.c_str(), path.c_str()) == 0)
        return true;
    ::unlink(temp.c_str());
    return false;
}

bool SameFile(int fd, const std::string& path)
{
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::lstat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
           held.st_ino == named.st_ino;
}

std::vector<std::string> RequestNames(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir))
        if (std::string name = entry->d_name; name.rfind(kRequestPrefix, 0) == 0)
            names.push_back(std::move(name));
    ::closedir(dir);
    return names;
}

// An id left by a killed run may belong to another process by now: only this same
// program is ever signalled.
bool RunsThisProgram(pid_t id)
{
    const std::string self = ProgramOf("/proc/self");
    return !self.empty() && ProgramOf("/proc/" + std::to_string(id)) == self;
}
}

SingleInstance::SingleInstance(const std::string& folder) : folder(folder), lockPath(folder + ".moravel.lock")
{
    // Before the lock, so that a later start never signals a process not ready for it.
    const bool canShow = InstallShowSignal();
    if (!TakeLock())
        return;
    const std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(lockFd, 0) == 0) [[maybe_unused]]
        const ssize_t ignored = ::pwrite(lockFd, pid.data(), pid.size(), 0);
    // Requests left by starts whose holder has gone are not followed now.
    for (const std::string& name : RequestNames(folder))
        ::unlink((folder + name).c_str());
    if (canShow) {
        notifier = new QSocketNotifier(wakePipe[0], QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this] {
            char bytes[64];
            while (::read(wakePipe[0], bytes, sizeof bytes) > 0) {
            }
            const std::vector<std::string> requests = TakeRequests();
            if (showRequested)
                showRequested(requests);
        });
    }
}

// True when this process holds a lock file (sets lockFd) or none can be made here.
bool SingleInstance::TakeLock()
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        bool notRegular = false;
        lockFd = OpenLockFile(lockPath, notRegular);
        if (lockFd < 0 && !notRegular) {
            first = true;  // a folder that takes no file at all
            return false;
        }
        if (lockFd < 0) {
            if (!ReplaceWithFile(folder, lockPath))
                break;
            continue;
        }
        if (::flock(lockFd, LOCK_EX | LOCK_NB) != 0) {
            ::close(lockFd);
            lockFd = -1;
            return false;
        }
        // Another start replacing a link at the same moment may have put a new file
        // there: only a lock on the file the path names counts.
        if (SameFile(lockFd, lockPath)) {
            first = true;
            return true;
        }
        ::close(lockFd);
        lockFd = -1;
    }
    refused = true;
    return false;
}

std::vector<std::string> SingleInstance::TakeRequests() const
{
    std::vector<std::string> names = RequestNames(folder);
    std::sort(names.begin(), names.end());
    std::vector<std::string> requests;
    for (const std::string& name : names) {
        std::string bytes;
        if (ReadRegularFile(folder + name, kMaxRequestSize, bytes) == FileState::Readable)
            requests.push_back(std::move(bytes));
        ::unlink((folder + name).c_str());
    }
    return requests;
}

SingleInstance::~SingleInstance()
{
    if (lockFd >= 0 && first) {
        [[maybe_unused]] const int ignored = ::ftruncate(lockFd, 0);
    }
    if (lockFd >= 0)
        ::close(lockFd);
}

bool SingleInstance::AskFirstToShow(const std::string& request) const
{
    // The holder writes its id just after it took the lock: the file is watched for
    // that write, a second at most.
    constexpr int kHolderWaitMs = 1000;
    const int watch = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    if (watch >= 0)
        ::inotify_add_watch(watch, lockPath.c_str(),
                            IN_MODIFY | IN_CLOSE_WRITE | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF | IN_DONT_FOLLOW);
    timespec start{};
    ::clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t holder = 0;
    for (;;) {
        holder = ReadHolder(lockPath);
        if (holder > 0 && holder != ::getpid() && RunsThisProgram(holder))
            break;
        holder = 0;
        timespec now{};
        ::clock_gettime(CLOCK_MONOTONIC, &now);
        const long long left =
            kHolderWaitMs - ((now.tv_sec - start.tv_sec) * 1000LL + (now.tv_nsec - start.tv_nsec) / 1000000);
        pollfd changed{watch, POLLIN, 0};
        if (watch < 0 || left <= 0 || ::poll(&changed, 1, static_cast<int>(left)) <= 0)
            break;
        char events[4096];
        while (::read(watch, events, sizeof events) > 0) {
        }
    }
    if (watch >= 0)
        ::close(watch);
    if (holder <= 0)
        return false;
    const std::string requestPath = folder + kRequestPrefix + std::to_string(::getpid());
    if (!request.empty() && !WriteFileAtomically(requestPath, request, Durable::No))
        return false;
    if (::kill(holder, SIGUSR1) == 0)
        return true;
    ::unlink(requestPath.c_str());
    return false;
}

void SingleInstance::OnShowRequest(std::function<void(const std::vector<std::string>&)> show)
{
    showRequested = std::move(show);
}
