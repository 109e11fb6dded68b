#pragma once

#include <string>

// The one name the desktop knows Moravel by: the desktop entry, the theme icon,
// the window class and app id, and the software centre's metadata.
inline const std::string ApplicationId = "org.moravel.Moravel";

// Where the running copy keeps its programs and pictures. A packaged copy has its
// programs in <prefix>/libexec/moravel/ and its pictures in <prefix>/share/moravel/;
// a source install has both in one folder, normally InstallDir. Folders end in "/".
struct ProgramLayout {
    bool packaged = false;
    std::string programs;
    std::string pictures;
};

// The layout of a copy whose program lies in `programFolder` (with or without a
// closing "/"): packaged when that folder is ".../libexec/moravel" beside a
// ".../share/moravel" holding the pictures; its own folder when it holds the
// pictures; else InstallDir, as before anything is installed.
ProgramLayout LayoutOf(const std::string& programFolder);

// The folder of the running program (its real path), with a closing "/"; empty
// when the system does not say.
std::string RunningProgramFolder();

// Kestrane's modules in its programs folder: the windows, the pictures drawn
// without a window (which need Qt's GUI module, not its widgets), and the
// printers, which the windows load with the first print.
inline constexpr const char* WindowsModuleName = "kestrane-windows.so";
inline constexpr const char* PicturesModuleName = "kestrane-pictures.so";
inline constexpr const char* PrintingModuleName = "kestrane-printing.so";

// LayoutOf(RunningProgramFolder()).
ProgramLayout CurrentLayout();
std::string PictureFolder();
// The main program of the running copy: "Kestrane" in its programs folder.
std::string MainProgram();

// Where the system's package keeps its programs.
inline const std::string PackagedProgramFolder = "/usr/libexec/moravel/";
// The packaged main program when the running copy is a source install in InstallDir
// and the package is installed beside it; else empty.
std::string HandOverProgram();
