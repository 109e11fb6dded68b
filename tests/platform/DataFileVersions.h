#pragma once

// Two versions of each data file, written by the real writers: the crash tests
// replace one with the other and expect to find one of them whole afterwards.
#include "mail/Contacts.h"
#include "platform/Paths.h"
#include "profiles/ProfileFiles.h"
#include "schedule/TaskFile.h"

#include <string>
#include <vector>

namespace DataFileVersions {
inline const std::vector<std::string> Kinds = {"profile", "index", "task", "contacts"};

// Large enough that a write takes many pages and a kill can land inside it.
inline std::string Text(char fill, std::size_t length)
{
    return std::string(length, fill);
}

inline ProfileRecord Profile(int version)
{
    ProfileRecord record;
    record.description = "Crash";
    record.fullName = Text(version ? 'b' : 'a', 300 + 200 * version);
    record.birthday = {3, 4, 1970 + version};
    record.hasMother = version == 1;
    record.motherBirthday = {1, 2, 1950};
    return record;
}

inline std::vector<ProfileIndexEntry> Index(int version)
{
    std::vector<ProfileIndexEntry> list;
    for (int i = 0; i < 3000 + 1000 * version; ++i)
        list.push_back({"Name " + std::to_string(i) + (version ? "b" : "a"), "P" + std::to_string(i),
                        version ? "Manual" : "Automatic"});
    return list;
}

inline TaskFile Task(int version)
{
    return TaskFile{"/x/" + Text(version ? 'q' : 'p', 200) + ".ini", version ? "b@y" : "a@x", 7 + version, 5, version};
}

inline std::vector<Contact> Contacts(int version)
{
    std::vector<Contact> contacts;
    for (int i = 0; i < 2000 + 500 * version; ++i)
        contacts.push_back({"Contact " + std::to_string(i), std::to_string(i) + (version ? "@b.org" : "@a.org")});
    return contacts;
}

inline std::string Path(const std::string& kind)
{
    if (kind == "profile")
        return ProfilePath("Crash");
    if (kind == "index")
        return InstallDir() + "mv.ini";
    if (kind == "task")
        return TaskFilePath();
    return ContactsPath();
}

// The bytes of one version as its writer lays them out.
inline std::string Bytes(const std::string& kind, int version)
{
    if (kind == "profile")
        return FormatProfile(Profile(version));
    if (kind == "index")
        return FormatProfileIndex(Index(version));
    if (kind == "task")
        return FormatTaskFile(Task(version));
    return ContactsFileText(Contacts(version));
}

// Writes one version through the program's own writer; false when it reported failure.
inline bool Write(const std::string& kind, int version)
{
    if (kind == "profile")
        return SaveProfile(Profile(version));
    if (kind == "index")
        return SaveProfileIndex(Index(version));
    if (kind == "task")
        return WriteTaskFile(Task(version));
    return WriteContacts(ContactsPath(), Contacts(version));
}
}
