#pragma once

#include <string>

// The profile selected last in the main window, kept in InstallDir so that the
// menu's "Today's reading" can open it: its description, or empty.
std::string LastSelectedProfile();
// Remembers it; failures are silent (the choice is a convenience).
void RememberSelectedProfile(const std::string& description);
