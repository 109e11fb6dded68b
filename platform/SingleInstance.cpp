#include "platform/SingleInstance.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
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
    struct sigaction action{};
    action.sa_handler = OnShowSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(SIGUSR1, &action, nullptr) == 0;
}

pid_t ReadHolder(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return 0;
    char text[32] = {};
    const ssize_t n = ::read(fd, text, sizeof text - 1);
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

// An id left by a killed run may belong to another process by now: only this same
// program is ever signalled.
bool RunsThisProgram(pid_t id)
{
    const std::string self = ProgramOf("/proc/self");
    return !self.empty() && ProgramOf("/proc/" + std::to_string(id)) == self;
}
}

SingleInstance::SingleInstance(const std::string& folder) : lockPath(folder + ".moravel.lock")
{
    // Before the lock, so that a later start never signals a process not ready for it.
    const bool canShow = InstallShowSignal();
    lockFd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (lockFd < 0) {
        first = true;
        return;
    }
    if (::flock(lockFd, LOCK_EX | LOCK_NB) != 0) {
        ::close(lockFd);
        lockFd = -1;
        return;
    }
    first = true;
    const std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(lockFd, 0) == 0)
        [[maybe_unused]] const ssize_t ignored = ::pwrite(lockFd, pid.data(), pid.size(), 0);
    if (canShow) {
        notifier = new QSocketNotifier(wakePipe[0], QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this] {
            char bytes[64];
            while (::read(wakePipe[0], bytes, sizeof bytes) > 0) {
            }
            if (showRequested)
                showRequested();
        });
    }
}

SingleInstance::~SingleInstance()
{
    if (lockFd >= 0 && first) {
        [[maybe_unused]] const int ignored = ::ftruncate(lockFd, 0);
    }
    if (lockFd >= 0)
        ::close(lockFd);
}

bool SingleInstance::AskFirstToShow() const
{
    // The holder writes its id just after it took the lock; give it a moment.
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (const pid_t holder = ReadHolder(lockPath); holder > 0 && holder != ::getpid() && RunsThisProgram(holder))
            return ::kill(holder, SIGUSR1) == 0;
        ::usleep(20 * 1000);
    }
    return false;
}

void SingleInstance::OnShowRequest(std::function<void()> show)
{
    showRequested = std::move(show);
}
