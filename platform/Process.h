#pragma once

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
    bool started = false;  // false when the program could not be run at all
    int exitCode = -1;     // exit status; -1 when killed by a signal or not started
    std::string output;    // standard output, when asked for
};

// Runs argv[0] (looked up on PATH when it holds no "/") with `input` on its
// standard input and waits for it, at most timeLimitMs milliseconds when that is
// above 0 (then it is killed and the result has exit code -1). Standard output is
// collected when captureOutput is set; standard error is passed through.
// Every program started here holds only standard input, output and error.
ProcessResult RunProcess(const std::vector<std::string>& argv, const std::string& input = {},
                         bool captureOutput = false, const std::string& workingDirectory = {}, int timeLimitMs = 0);

// For a child between fork and exec: every descriptor above standard error is closed
// at exec, so that no file, socket or pipe of ours reaches the started program.
void CloseInheritedDescriptorsAtExec();

// Starts a program in its own session without waiting; false when it could not be started.
bool StartDetached(const std::vector<std::string>& argv, const std::string& workingDirectory = {});

// Starts a program in its own session (it outlives us, holding none of our descriptors)
// and returns its process id without waiting; -1 when it could not be run at all.
// The caller reaps it with EndedWithStatus.
int StartInOwnSession(const std::vector<std::string>& argv);

// nullopt while the started program runs; once it has ended (and is reaped), its exit
// status, -1 when a signal ended it.
std::optional<int> EndedWithStatus(int pid);

// Quotes text for a POSIX shell: 'text', with every ' written as '\''.
std::string ShellQuote(const std::string& text);
