#pragma once

#include <string>

// The windows place themselves beside and above each other, which a native Wayland
// session does not allow a program to do. Where the session also offers an X
// server (XWayland) and the user chose no platform, the programs run there.
// Returns the platform to ask Qt for ("xcb"), or empty to leave Qt's own choice.
std::string PlatformForSession(const char* chosenPlatform, const char* waylandDisplay, const char* x11Display);

// PlatformForSession for this process's environment.
std::string PlacingPlatform();
