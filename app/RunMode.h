#pragma once

#include "schedule/TaskFile.h"

#include <string>
#include <vector>

// A screen narrower than 800 pixels or with 8 bits of colour or fewer is refused;
// the height is not looked at.
bool ScreenIsAdequate(int width, int depth);

struct RunModeChoice {
    bool namesTaskFile = false;  // the command line is the task file's path
    bool unattended = false;
    TaskFileContents task;  // read only when the command line named the task file
};

// `arguments` are the command-line arguments after the program's name. Joined by
// one blank they must equal InstallDir + "task.dtr" exactly, and the task file
// must name a profile, and an address unless the reading only goes to the desktop;
// anything else is the interactive run.
RunModeChoice ChooseRunMode(const std::vector<std::string>& arguments);

// Whether a window could be shown, from DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM
// (null when unset): a platform chosen by hand (offscreen, eglfs, vnc...) needs no
// display server, while xcb needs DISPLAY and wayland WAYLAND_DISPLAY. Cron sets none.
bool DisplayAvailable(const char* display, const char* waylandDisplay, const char* qpaPlatform);

// A start by the task file's path whose task is gone, with nowhere to show a window,
// ends silently: cron would mail the failure every day.
bool EndsSilently(const RunModeChoice& choice, bool displayAvailable);

// The desktop's display settings: the first known settings program found on PATH,
// with its arguments; empty when none is installed.
std::vector<std::string> DisplaySettingsCommand();
