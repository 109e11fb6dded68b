#pragma once

#include "platform/Date.h"

#include <string>
#include <vector>

struct ProfileRecord {
    std::string description;
    std::string fullName;
    Date birthday;
    bool hasMother = false;
    Date motherBirthday;
    bool hasFather = false;
    Date fatherBirthday;
    bool manualCalibration = false;
    Date goodDay;
    Date badDay;
};

struct ProfileIndexEntry {
    std::string fullName;
    std::string description;
    std::string calibrationLabel;  // "Automatic" or "Manual"

    friend bool operator==(const ProfileIndexEntry&, const ProfileIndexEntry&) = default;
};

#include "platform/DataFile.h"

// The profile index InstallDir + "mv.ini". An index that exists but cannot be read
// leaves the list empty and says so.
FileState LoadProfileIndex(std::vector<ProfileIndexEntry>& list);
std::string ProfileIndexPath();
bool SaveProfileIndex(const std::vector<ProfileIndexEntry>& list);

// Profile files InstallDir + description + ".ini".
ProfileRecord LoadProfile(const std::string& description);
// Reads a profile file by its full path (the engine's reader; it also takes "Profile:").
ProfileRecord ReadProfileFile(const std::string& path);
// The same in one read with what was found there: a file that cannot be read leaves
// the defaults in `record`.
FileState ReadProfileFile(const std::string& path, ProfileRecord& record);
// False when the file could not be written or the description is no valid file name.
bool SaveProfile(const ProfileRecord& record);
// False when a file of that name is still there afterwards.
bool DeleteProfileFile(const std::string& description);
// True when folder + "mv.ini" exists, readable or not: only a first start has none.
bool IndexExists(const std::string& folder);

// A description that can safely name a file in InstallDir: no "/", not "." or "..", not empty,
// and not "mv" or "contacts" (the index and the address book).
bool IsValidProfileFileName(const std::string& description);
std::string ProfilePath(const std::string& description);

// The exact text SaveProfile writes (for tests and for the atomic write).
std::string FormatProfile(const ProfileRecord& record);
std::string FormatProfileIndex(const std::vector<ProfileIndexEntry>& list);
