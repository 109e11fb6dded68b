#pragma once

#include <string>

// What the version query of the Windows family reported.
struct VersionRecord {
    enum Platform { Win32s, Windows9x, WindowsNT, Other };
    Platform platform = Other;
    int major = 0;
    int minor = 0;
};

// "32", "95", "98", "ME", "NT", "2000", "XP" or empty.
std::string SystemNameOf(const VersionRecord& record);
// This system's name: "Linux".
std::string SystemName();
