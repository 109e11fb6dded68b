#pragma once

#include <string>

// The scheduled delivery: today's report of the task's profile mailed to the
// task's address, as a picture (fullColour 1) or as plain text. Shows nothing.
// Needs a Q(Gui)Application (offscreen) for the picture.
void RunUnattended(const std::string& profilePath, const std::string& email, int fullColour);
