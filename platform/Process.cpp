#include "platform/Process.h"

#include <cerrno>
#include <csignal>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <linux/close_range.h>
#include <poll.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {
std::vector<char*> ArgvPointers(const std::vector<std::string>& argv)
{
    std::vector<char*> pointers;
    for (const std::string& arg : argv)
        pointers.push_back(const_cast<char*>(arg.c_str()));
    pointers.push_back(nullptr);
    return pointers;
}

std::string Resolve(const std::string& program)
{
    if (program.find('/') != std::string::npos)
        return program;
    return FindOnPath(program);
}

long long NowMs()
{
    timespec time{};
    ::clock_gettime(CLOCK_MONOTONIC, &time);
    return static_cast<long long>(time.tv_sec) * 1000 + time.tv_nsec / 1000000;
}

bool processDescriptorsWanted = true;

int OpenProcessDescriptor(pid_t pid)
{
#ifdef SYS_pidfd_open
    if (processDescriptorsWanted)
        return static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
#endif
    errno = ENOSYS;
    return -1;
}

// Kernels before 5.3 have no process descriptors; there SIGCHLD writes to this pipe.
int childSignalPipe[2] = {-1, -1};
struct sigaction earlierChildAction {};

void OnChildSignal(int number, siginfo_t* info, void* context)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(childSignalPipe[1], &byte, 1);
    // Whoever watched its own children before us (Qt's processes) still hears of them.
    if (earlierChildAction.sa_flags & SA_SIGINFO) {
        if (earlierChildAction.sa_sigaction)
            earlierChildAction.sa_sigaction(number, info, context);
    } else if (earlierChildAction.sa_handler != SIG_DFL && earlierChildAction.sa_handler != SIG_IGN) {
        earlierChildAction.sa_handler(number);
    }
    errno = saved;
}

// Tells by event when one started child has ended: its process descriptor turns
// readable, or (without descriptors) SIGCHLD arrives through a pipe. Made before
// the fork, so that no end is missed; Watch names the child after it.
class ChildEndWatch {
public:
    ChildEndWatch()
    {
        const int probe = OpenProcessDescriptor(::getpid());
        if (probe >= 0) {
            ::close(probe);
            return;
        }
        if (childSignalPipe[0] < 0 && ::pipe2(childSignalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
            return;
        struct sigaction action {};
        action.sa_sigaction = OnChildSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_SIGINFO | SA_RESTART | SA_NOCLDSTOP;
        signalled = ::sigaction(SIGCHLD, &action, &earlierChildAction) == 0;
    }
    ~ChildEndWatch()
    {
        if (descriptor >= 0)
            ::close(descriptor);
        if (signalled)
            ::sigaction(SIGCHLD, &earlierChildAction, nullptr);
    }
    ChildEndWatch(const ChildEndWatch&) = delete;
    ChildEndWatch& operator=(const ChildEndWatch&) = delete;

    void Watch(pid_t child)
    {
        pid = child;
        if (!signalled)
            descriptor = OpenProcessDescriptor(child);
    }
    // What to poll for readability; -1 when neither way could be set up.
    int Descriptor() const { return signalled ? childSignalPipe[0] : descriptor; }
    void Clear() const
    {
        char bytes[64];
        if (signalled)
            while (::read(childSignalPipe[0], bytes, sizeof bytes) > 0) {
            }
    }
    // Reaps the child when it has ended.
    bool Reaped(int& status) const
    {
        pid_t done;
        while ((done = ::waitpid(pid, &status, WNOHANG)) < 0 && errno == EINTR) {
        }
        if (done < 0)
            status = -1;  // reaped by someone else: ended, with nothing known
        return done == pid || done < 0;
    }

private:
    pid_t pid = -1;
    int descriptor = -1;
    bool signalled = false;
};
}

namespace {
int helperTimeLimit = HelperTimeLimitMs;

HelperTimeOutNotice& Notice()
{
    static HelperTimeOutNotice notice;
    return notice;
}
}

ProcessResult RunHelper(const std::string& shownCommand, const std::vector<std::string>& argv, const std::string& input,
                        bool captureOutput)
{
    const int limit = helperTimeLimit;
    ProcessResult result = RunProcess(argv, input, captureOutput, {}, limit);
    if (result.timedOut) {
        const int seconds = std::max(1, (limit + 500) / 1000);
        if (Notice())
            Notice()(shownCommand, seconds);
        else
            std::fprintf(stderr, "%s\n", HelperTimeOutMessage(shownCommand, seconds).c_str());
    }
    return result;
}

void SetHelperTimeOutNotice(HelperTimeOutNotice notice)
{
    Notice() = std::move(notice);
}

std::string HelperTimeOutMessage(const std::string& shownCommand, int seconds)
{
    return "The command \"" + shownCommand + "\" did not finish within " + std::to_string(seconds) +
           (seconds == 1 ? " second" : " seconds") + " and was stopped.    ";
}

void SetHelperTimeLimitForTesting(int milliseconds)
{
    helperTimeLimit = milliseconds > 0 ? milliseconds : HelperTimeLimitMs;
}

void UseProcessDescriptorsForTesting(bool use)
{
    processDescriptorsWanted = use;
}

void CloseInheritedDescriptorsAtExec()
{
    // Marked rather than closed: the pipe that reports a failed exec must live until then.
    if (::syscall(SYS_close_range, 3U, ~0U, CLOSE_RANGE_CLOEXEC) == 0)
        return;
    long last = ::sysconf(_SC_OPEN_MAX);
    if (last < 0 || last > 65536)
        last = 65536;
    for (int fd = 3; fd < last; ++fd)
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
}

std::string EnvironmentSearchPath()
{
    const char* path = std::getenv("PATH");
    return path ? path : "/usr/local/bin:/usr/bin:/bin";
}

std::vector<std::string> SearchFolders(const std::string& searchPath)
{
    std::vector<std::string> folders;
    std::size_t start = 0;
    while (start <= searchPath.size()) {
        std::size_t end = searchPath.find(':', start);
        if (end == std::string::npos)
            end = searchPath.size();
        // Only named, absolute folders: an empty or relative entry would run whatever
        // program of that name the working folder happens to hold.
        if (end > start && searchPath[start] == '/')
            folders.push_back(searchPath.substr(start, end - start));
        start = end + 1;
    }
    return folders;
}

bool IsRunnableFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::string FindOnPath(const std::string& name, const std::string& searchPath)
{
    for (const std::string& folder : SearchFolders(searchPath)) {
        const std::string candidate = folder + "/" + name;
        if (IsRunnableFile(candidate))
            return candidate;
    }
    return {};
}

std::string FindOnPath(const std::string& name)
{
    return FindOnPath(name, EnvironmentSearchPath());
}

ProcessResult RunProcess(const std::vector<std::string>& argv, const std::string& input, bool captureOutput,
                         const std::string& workingDirectory, int timeLimitMs)
{
    ProcessResult result;
    if (argv.empty())
        return result;
    const std::string program = Resolve(argv[0]);
    if (program.empty())
        return result;

    int inPipe[2];
    int outPipe[2] = {-1, -1};
    if (::pipe2(inPipe, O_CLOEXEC) != 0)
        return result;
    if (captureOutput && ::pipe2(outPipe, O_CLOEXEC) != 0) {
        ::close(inPipe[0]);
        ::close(inPipe[1]);
        return result;
    }

    // Spawned rather than forked: the child shares our memory until its exec, so no
    // page table of this large process is copied, and a failed exec is the result.
    // It gets a process group of its own, so that a time-out ends what it started as
    // well, the standard SIGPIPE, and no descriptor but standard input, output and error.
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawnattr_init(&attributes);
    ::posix_spawn_file_actions_adddup2(&actions, inPipe[0], STDIN_FILENO);
    if (captureOutput)
        ::posix_spawn_file_actions_adddup2(&actions, outPipe[1], STDOUT_FILENO);
    if (!workingDirectory.empty())
        ::posix_spawn_file_actions_addchdir_np(&actions, workingDirectory.c_str());
    ::posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    ::posix_spawnattr_setsigdefault(&attributes, &defaults);
    ::posix_spawnattr_setpgroup(&attributes, 0);
    ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF);

    std::vector<char*> args = ArgvPointers(argv);
    ChildEndWatch watch;
    pid_t pid = -1;
    const int spawnError = ::posix_spawn(&pid, program.c_str(), &actions, &attributes, args.data(), environ);
    ::posix_spawn_file_actions_destroy(&actions);
    ::posix_spawnattr_destroy(&attributes);
    ::close(inPipe[0]);
    if (captureOutput)
        ::close(outPipe[1]);
    if (spawnError != 0) {
        ::close(inPipe[1]);
        if (captureOutput)
            ::close(outPipe[0]);
        return result;
    }
    result.started = true;
    // Our ends never block: a large input and a large output pass each other in turns.
    ::fcntl(inPipe[1], F_SETFL, O_NONBLOCK);
    if (captureOutput)
        ::fcntl(outPipe[0], F_SETFL, O_NONBLOCK);

    const long long deadline = timeLimitMs > 0 ? NowMs() + timeLimitMs : 0;
    const auto remaining = [&]() -> int {
        if (!deadline)
            return -1;
        const long long left = deadline - NowMs();
        return left > 0 ? static_cast<int>(left) : 0;
    };
    bool timedOut = false;
    bool ended = false;
    int status = 0;
    watch.Watch(pid);

    // Feed the input, drain the output and watch for the end together, so that
    // neither side blocks and nothing waits longer than it must.
    void (*oldHandler)(int) = ::signal(SIGPIPE, SIG_IGN);
    std::size_t written = 0;
    int writeFd = inPipe[1];
    if (input.empty()) {
        ::close(writeFd);
        writeFd = -1;
    }
    int readFd = captureOutput ? outPipe[0] : -1;
    char buffer[8192];
    while (!ended) {
        if (watch.Reaped(status)) {
            ended = true;
            break;
        }
        if (watch.Descriptor() < 0 && writeFd < 0 && readFd < 0) {
            // No descriptor was to be had for the end: one wait for what is left of the time.
            if (deadline)
                ::poll(nullptr, 0, remaining());
            ended = watch.Reaped(status);
            timedOut = deadline && !ended;
            break;
        }
        pollfd fds[3];
        int count = 0;
        fds[count++] = {watch.Descriptor(), POLLIN, 0};
        if (writeFd >= 0)
            fds[count++] = {writeFd, POLLOUT, 0};
        if (readFd >= 0)
            fds[count++] = {readFd, POLLIN, 0};
        const int ready = ::poll(fds, static_cast<nfds_t>(count), remaining());
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (ready == 0 && deadline && remaining() == 0) {
            timedOut = true;
            break;
        }
        watch.Clear();
        for (int i = 1; i < count; ++i) {
            if (fds[i].fd == writeFd && (fds[i].revents & (POLLOUT | POLLERR | POLLHUP))) {
                const ssize_t n = ::write(writeFd, input.data() + written, input.size() - written);
                if (n > 0)
                    written += static_cast<std::size_t>(n);
                if (n < 0 && errno != EINTR && errno != EAGAIN)
                    written = input.size();
                if (written >= input.size()) {
                    ::close(writeFd);
                    writeFd = -1;
                }
            } else if (fds[i].fd == readFd && (fds[i].revents & (POLLIN | POLLERR | POLLHUP))) {
                const ssize_t n = ::read(readFd, buffer, sizeof buffer);
                if (n > 0) {
                    result.output.append(buffer, static_cast<std::size_t>(n));
                } else if (n == 0 || (errno != EINTR && errno != EAGAIN)) {
                    ::close(readFd);
                    readFd = -1;
                }
            }
        }
    }
    // Everything the program wrote before it ended is in the pipe now; a program it
    // left behind holding the pipe is not waited for.
    if (ended && readFd >= 0) {
        ssize_t n;
        while ((n = ::read(readFd, buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR))
            if (n > 0)
                result.output.append(buffer, static_cast<std::size_t>(n));
    }
    if (writeFd >= 0)
        ::close(writeFd);
    if (readFd >= 0)
        ::close(readFd);
    ::signal(SIGPIPE, oldHandler);

    if (!ended) {
        // Out of time (or the watch failed): the program and whatever it started go.
        if (timedOut)
            ::kill(-pid, SIGKILL);
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }

    result.timedOut = timedOut;
    result.exitCode = !timedOut && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

namespace {
// In a child after fork: makes it the leader of a session of its own holding none of
// the starter's pipes or terminal, then runs the program; a failed exec or chdir is
// written to errorFd. Never returns.
[[noreturn]] void ExecInOwnSession(const std::string& program, std::vector<char*>& args,
                                   const std::string& workingDirectory, int errorFd, bool forkAgain)
{
    ::setsid();
    // A grandchild, so that the starter may end at once and nobody need reap the program.
    if (forkAgain) {
        const pid_t grandchild = ::fork();
        if (grandchild != 0)
            ::_exit(grandchild < 0 ? 1 : 0);
    }
    if (!workingDirectory.empty() && ::chdir(workingDirectory.c_str()) != 0) {
        const int code = errno;
        [[maybe_unused]] ssize_t ignored = ::write(errorFd, &code, sizeof code);
        ::_exit(127);
    }
    CloseInheritedDescriptorsAtExec();
    const int devNull = ::open("/dev/null", O_RDWR);
    if (devNull >= 0) {
        ::dup2(devNull, STDIN_FILENO);
        ::dup2(devNull, STDOUT_FILENO);
        ::dup2(devNull, STDERR_FILENO);
        if (devNull > STDERR_FILENO)
            ::close(devNull);
    }
    ::signal(SIGPIPE, SIG_DFL);
    ::execv(program.c_str(), args.data());
    const int code = errno;
    [[maybe_unused]] ssize_t ignored = ::write(errorFd, &code, sizeof code);
    ::_exit(127);
}

// Forks a child that runs argv in its own session; its pid, or -1 when the program
// could not be run (the exec is known to have succeeded when this returns).
pid_t ForkIntoOwnSession(const std::vector<std::string>& argv, const std::string& workingDirectory, bool forkAgain,
                         bool& execFailed)
{
    execFailed = true;
    if (argv.empty())
        return -1;
    const std::string program = Resolve(argv[0]);
    if (program.empty())
        return -1;
    int errorPipe[2];
    if (::pipe2(errorPipe, O_CLOEXEC) != 0)
        return -1;
    std::vector<char*> args = ArgvPointers(argv);
    const pid_t pid = ::fork();
    if (pid == 0)
        ExecInOwnSession(program, args, workingDirectory, errorPipe[1], forkAgain);
    ::close(errorPipe[1]);
    if (pid < 0) {
        ::close(errorPipe[0]);
        return -1;
    }
    // The pipe closes at the exec, or carries why it failed.
    int execError = 0;
    ssize_t n;
    while ((n = ::read(errorPipe[0], &execError, sizeof execError)) < 0 && errno == EINTR) {
    }
    ::close(errorPipe[0]);
    execFailed = n == sizeof execError;
    return pid;
}
}

bool StartDetached(const std::vector<std::string>& argv, const std::string& workingDirectory)
{
    bool execFailed = true;
    const pid_t pid = ForkIntoOwnSession(argv, workingDirectory, true, execFailed);
    if (pid < 0)
        return false;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return !execFailed && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

int StartInOwnSession(const std::vector<std::string>& argv)
{
    bool execFailed = true;
    const pid_t pid = ForkIntoOwnSession(argv, {}, false, execFailed);
    if (pid < 0)
        return -1;
    if (execFailed) {
        while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
        return -1;
    }
    return pid;
}

int ProcessEndDescriptor(int pid)
{
    return OpenProcessDescriptor(pid);  // closed at exec by the kernel's own rule
}

std::optional<int> EndedWithStatus(int pid)
{
    int status = 0;
    pid_t done;
    while ((done = ::waitpid(pid, &status, WNOHANG)) < 0 && errno == EINTR) {
    }
    if (done == 0)
        return std::nullopt;
    if (done < 0)
        return -1;  // not ours, or reaped already
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool WaitForProcessEnd(int pid, int limitMs)
{
    if (pid <= 0 || (::kill(pid, 0) != 0 && errno == ESRCH))
        return true;
    const int descriptor = OpenProcessDescriptor(pid);
    if (descriptor < 0) {
        if (errno == ESRCH)
            return true;
        // Without process descriptors a process that is not our child cannot be
        // watched: the whole time is given once.
        ::poll(nullptr, 0, limitMs);
        return ::kill(pid, 0) != 0 && errno == ESRCH;
    }
    pollfd ended{descriptor, POLLIN, 0};
    int ready;
    const long long deadline = NowMs() + limitMs;
    while ((ready = ::poll(&ended, 1, static_cast<int>(std::max(0LL, deadline - NowMs())))) < 0 && errno == EINTR) {
    }
    ::close(descriptor);
    return ready > 0;
}

std::string ShellQuote(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    quoted += "'";
    return quoted;
}
