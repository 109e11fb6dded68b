#pragma once

#include <string>

// The copy is told the launcher's process id after this argument, and waits at most
// this long for the launcher to end before it removes anything.
inline constexpr char LauncherArgument[] = "--after";
inline constexpr int LauncherEndLimitMs = 1500;

// Copies InstallDir + "delete" (run bit kept) as "uninstall" into a new private folder
// "moravel-uninstall-XXXXXX" of the temporary folder, and starts it in its own session
// with that folder as working directory, without waiting. The shared temporary folder
// holds nothing another user could have put there first. False, with nothing left
// behind, when "delete" is missing or the copy or start fails. `copyPath` gets the copy.
bool StartDeleteCopy(std::string* copyPath = nullptr);

// Run by the copy when it ends: removes `program` and its folder when they are such a
// copy and its private folder in the temporary folder; anything else stays.
bool RemoveOwnCopy(const std::string& program);

// Removes the copies a killed uninstall left in the temporary folder: this user's
// folders of that name whose "uninstall" no longer runs. Returns how many went.
int RemoveStaleDeleteCopies();

// Copies `from` to a new file `to` with the same permission bits. The target is
// created exclusively and never through a link; false when it exists or any step fails.
bool CopyFileExclusively(const std::string& from, const std::string& to);
