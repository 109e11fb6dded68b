#include "platform/SessionPlatform.h"

#include <cstdlib>

namespace {
bool IsSet(const char* value)
{
    return value != nullptr && value[0] != '\0';
}
}

std::string PlatformForSession(const char* chosenPlatform, const char* waylandDisplay, const char* x11Display)
{
    if (IsSet(chosenPlatform) || !IsSet(waylandDisplay) || !IsSet(x11Display))
        return {};
    return "xcb";
}

std::string PlacingPlatform()
{
    return PlatformForSession(std::getenv("QT_QPA_PLATFORM"), std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY"));
}
