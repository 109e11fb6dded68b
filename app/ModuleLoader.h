#pragma once

// Kestrane links only Qt Core and D-Bus: the command line's text commands and the
// plain scheduled run start without the GUI libraries. What needs them lives in a
// module beside the program (platform/Installation.h names them), loaded only by
// the starts that need it.
inline constexpr const char* WindowsModuleEntry = "KestraneWindowsMain";
inline constexpr const char* PicturesModuleEntry = "KestranePicturesMain";

// Loads `module` from the folder of the running program and hands its `entry` the
// command line; its result is the exit status. A module that is missing or cannot
// be loaded is said on standard error, status 1.
int RunModule(const char* module, const char* entry, int argc, char* argv[]);
