#pragma once

#include "app/StartRequest.h"

// Opens the desktop's display settings without waiting; false when no settings
// program could be started.
bool LaunchControlPanel();

// The screen check of the interactive start on a screen of the given size: true
// when it passes; else shows why, offers the display settings, and gives false.
bool PassScreenCheck(int width, int depth);
// The same for the primary screen (needs the application object).
bool PrimaryScreenPasses();

// The whole start: folders, checks, the run-mode choice and the run. Returns the
// process's exit code. `request` is what the interactive run shows first.
int RunStartUp(int argc, char* argv[], const StartRequest& request = {});
