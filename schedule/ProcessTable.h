#pragma once

#include <string>
#include <vector>

// Reads the running processes from a proc file system (/proc unless a test points
// elsewhere). Processes that vanish or cannot be read are skipped.

// True when a process whose name (its "comm") is one of `names` runs.
bool AnyProcessNamed(const std::vector<std::string>& names, const std::string& procRoot = "/proc");

// True when a process runs one of the program files `programPaths` (its "exe"
// link), also when that file has been replaced or deleted since it started.
bool AnyProcessRunning(const std::vector<std::string>& programPaths, const std::string& procRoot = "/proc");

// The ids of the processes whose program file name is `programName` and whose
// arguments, joined by one blank, are exactly `arguments`. The calling process is never listed.
std::vector<int> FindProcesses(const std::string& programName, const std::string& arguments,
                               const std::string& procRoot = "/proc");
