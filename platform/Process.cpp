#include "platform/Process.h"

#include <cerrno>
#include <csignal>
#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <linux/close_range.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

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
    int errorPipe[2];
    if (::pipe2(inPipe, O_CLOEXEC) != 0)
        return result;
    if (captureOutput && ::pipe2(outPipe, O_CLOEXEC) != 0) {
        ::close(inPipe[0]);
        ::close(inPipe[1]);
        return result;
    }
    // Reports a failed exec back to the parent.
    if (::pipe2(errorPipe, O_CLOEXEC) != 0) {
        ::close(inPipe[0]);
        ::close(inPipe[1]);
        if (captureOutput) {
            ::close(outPipe[0]);
            ::close(outPipe[1]);
        }
        return result;
    }

    std::vector<char*> args = ArgvPointers(argv);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(inPipe[0], STDIN_FILENO);
        if (captureOutput)
            ::dup2(outPipe[1], STDOUT_FILENO);
        if (!workingDirectory.empty() && ::chdir(workingDirectory.c_str()) != 0)
            ::_exit(127);
        CloseInheritedDescriptorsAtExec();
        ::signal(SIGPIPE, SIG_DFL);
        ::execv(program.c_str(), args.data());
        const int code = errno;
        [[maybe_unused]] ssize_t ignored = ::write(errorPipe[1], &code, sizeof code);
        ::_exit(127);
    }
    ::close(inPipe[0]);
    ::close(errorPipe[1]);
    if (captureOutput)
        ::close(outPipe[1]);
    if (pid < 0) {
        ::close(inPipe[1]);
        ::close(errorPipe[0]);
        if (captureOutput)
            ::close(outPipe[0]);
        return result;
    }

    const auto now = [] {
        timespec time{};
        ::clock_gettime(CLOCK_MONOTONIC, &time);
        return static_cast<long long>(time.tv_sec) * 1000 + time.tv_nsec / 1000000;
    };
    const long long deadline = timeLimitMs > 0 ? now() + timeLimitMs : 0;
    const auto remaining = [&]() -> int {
        if (!deadline)
            return -1;
        const long long left = deadline - now();
        return left > 0 ? static_cast<int>(left) : 0;
    };
    bool timedOut = false;

    // Feed the input and drain the output together so that neither side blocks.
    void (*oldHandler)(int) = ::signal(SIGPIPE, SIG_IGN);
    std::size_t written = 0;
    int writeFd = inPipe[1];
    if (input.empty()) {
        ::close(writeFd);
        writeFd = -1;
    }
    int readFd = captureOutput ? outPipe[0] : -1;
    char buffer[8192];
    while (writeFd >= 0 || readFd >= 0) {
        pollfd fds[2];
        int count = 0;
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
        for (int i = 0; i < count; ++i) {
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
    if (writeFd >= 0)
        ::close(writeFd);
    if (readFd >= 0)
        ::close(readFd);
    ::signal(SIGPIPE, oldHandler);

    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, deadline ? WNOHANG : 0);
        if (done == pid || (done < 0 && errno != EINTR))
            break;
        if (done == 0) {
            if (timedOut || remaining() == 0) {
                timedOut = true;
                ::kill(pid, SIGKILL);
                while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
                }
                break;
            }
            ::poll(nullptr, 0, std::min(remaining(), 20));
        }
    }

    int execError = 0;
    const bool execFailed = ::read(errorPipe[0], &execError, sizeof execError) == sizeof execError;
    ::close(errorPipe[0]);
    if (execFailed)
        return result;
    result.started = true;
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
