#pragma once

#include <string>

// InstallDir is $XDG_DATA_HOME/moravel/ when XDG_DATA_HOME is absolute, else
// $HOME/.local/share/moravel/. It always ends in "/". Resolved on every call so
// that tests can point XDG_DATA_HOME elsewhere.
std::string InstallDir();
std::string ReportsDir();
// What the program keeps only to start faster: $XDG_CACHE_HOME/moravel/, else
// $HOME/.cache/moravel/.
std::string CacheDir();

// $TMPDIR (with a closing "/"), else "/tmp/".
std::string TempDir();

// $HOME, else "/tmp"; as given, so it may end in "/".
std::string HomeFolder();

// The path without closing "/"s; "/" stays "/".
std::string WithoutClosingSlash(std::string path);

// The text after the last "/", or the whole path when it has none; unlike
// FileNameOfPath it keeps names with longer extensions ("photo.jpeg").
std::string LastPathPart(const std::string& path);

// The text after the last "/". Empty when the path is at least 4 characters long
// and none of its 4th-, 3rd- and 2nd-last characters is "." (no extension of one
// to three characters).
std::string FileNameOfPath(const std::string& path);

// Creates the parents of InstallDir, InstallDir and ReportsDir; failures are ignored.
void CreateInstallFolders();

// Makes InstallDir the working directory; false when it cannot.
bool EnterInstallDir();
