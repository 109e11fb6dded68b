#pragma once

#include <string>

// The one name the desktop knows Moravel by: the desktop entry, the theme icon,
// the window class and app id, and the software centre's metadata.
inline const std::string ApplicationId = "org.moravel.Moravel";

// Where the running copy keeps its programs and pictures. A packaged copy has its
// programs in <prefix>/lib/moravel/ and its pictures in <prefix>/share/moravel/;
// a source install has both in one folder, normally InstallDir. Folders end in "/".
struct ProgramLayout {
    bool packaged = false;
    std::string programs;
    std::string pictures;
};

// The layout of a copy whose program lies in `programFolder` (with or without a
// closing "/"): packaged when that folder is ".../lib/moravel" beside a
// ".../share/moravel" holding the pictures; its own folder when it holds the
// pictures; else InstallDir, as before anything is installed.
ProgramLayout LayoutOf(const std::string& programFolder);

// The folder of the running program (its real path), with a closing "/"; empty
// when the system does not say.
std::string RunningProgramFolder();

// LayoutOf(RunningProgramFolder()).
ProgramLayout CurrentLayout();
std::string PictureFolder();
// The main program of the running copy: "Kestrane" in its programs folder.
std::string MainProgram();
