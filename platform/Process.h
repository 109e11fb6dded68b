#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The environment's PATH; "/usr/local/bin:/usr/bin:/bin" when it is unset.
std::string EnvironmentSearchPath();
// The absolute folders of a PATH-style list in order. Empty and relative entries are
// left out, so a program is never looked up in the working folder.
std::vector<std::string> SearchFolders(const std::string& searchPath);
// A regular file (or a link to one) that we may run.
bool IsRunnableFile(const std::string& path);
// The first runnable file named `name` in the folders of `searchPath`; empty when none.
std::string FindOnPath(const std::string& name, const std::string& searchPath);
// The same in the folders of the environment's PATH.
std::string FindOnPath(const std::string& name);

struct ProcessResult {
    bool started = false;   // false when the program could not be run at all
    int exitCode = -1;      // exit status; -1 when killed by a signal or not started
    std::string output;     // standard output, when asked for
    bool timedOut = false;  // it ran out of time and was killed with what it started
};

// Runs argv[0] (looked up on PATH when it holds no "/") with `input` on its
// standard input and waits for its end, at most timeLimitMs milliseconds when that
// is above 0 (then its process group, it and what it started, is killed and the
// result has exit code -1). Standard output is collected when captureOutput is
// set; standard error is passed through. The end is awaited by event (a process
// descriptor, else SIGCHLD), never by polling the clock.
// Every program started here holds only standard input, output and error.
ProcessResult RunProcess(const std::vector<std::string>& argv, const std::string& input = {},
                         bool captureOutput = false, const std::string& workingDirectory = {}, int timeLimitMs = 0);

// The system's helper programs (crontab, systemctl, service) are given this long.
inline constexpr int HelperTimeLimitMs = 10 * 1000;

// RunProcess for a helper program, within the helpers' time limit. When it runs
// out, the notice is told the command as the user would type it (`shownCommand`)
// and the time it was given; without a notice, one line goes to standard error.
ProcessResult RunHelper(const std::string& shownCommand, const std::vector<std::string>& argv,
                        const std::string& input = {}, bool captureOutput = false);
using HelperTimeOutNotice = std::function<void(const std::string& shownCommand, int seconds)>;
void SetHelperTimeOutNotice(HelperTimeOutNotice notice);
// The text that tells it: the command in quotation marks and the seconds it had.
std::string HelperTimeOutMessage(const std::string& shownCommand, int seconds);
// Tests give helpers less time; 0 gives back the usual limit.
void SetHelperTimeLimitForTesting(int milliseconds);

// Tests turn process descriptors off to run the SIGCHLD way of older kernels.
void UseProcessDescriptorsForTesting(bool use);

// For a child between fork and exec: every descriptor above standard error is closed
// at exec, so that no file, socket or pipe of ours reaches the started program.
void CloseInheritedDescriptorsAtExec();

// Starts a program in its own session without waiting; false when it could not be started.
bool StartDetached(const std::vector<std::string>& argv, const std::string& workingDirectory = {});

// Starts a program in its own session (it outlives us, holding none of our descriptors)
// and returns its process id without waiting; -1 when it could not be run at all.
// The caller reaps it with EndedWithStatus.
int StartInOwnSession(const std::vector<std::string>& argv);

// A descriptor that turns readable when the process `pid` has ended (the caller
// closes it); -1 where the kernel has none to give.
int ProcessEndDescriptor(int pid);

// nullopt while the started program runs; once it has ended (and is reaped), its exit
// status, -1 when a signal ended it.
std::optional<int> EndedWithStatus(int pid);

// Waits until the process `pid` (not necessarily ours) has ended, at most limitMs
// milliseconds; true when it has (or never ran).
bool WaitForProcessEnd(int pid, int limitMs);

// Quotes text for a POSIX shell: 'text', with every ' written as '\''.
std::string ShellQuote(const std::string& text);
