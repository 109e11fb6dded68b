#pragma once

#include <string>

// TempDir() + "uninstall": where the launcher puts its copy of the remover.
std::string DeleteCopyPath();

// Replaces the copy with InstallDir + "delete" (run bit kept) and starts it in its own
// session with the temporary folder as working directory, without waiting.
// False when "delete" is missing or the copy or start fails.
bool StartDeleteCopy();

// Copies `from` to a new file `to` with the same permission bits. The target is
// created exclusively and never through a link; false when it exists or any step fails.
bool CopyFileExclusively(const std::string& from, const std::string& to);
