// Any text typed or pasted into a one-line field: either it is refused, or every
// data file it goes into reads back with exactly one record holding it.
#include "mail/Contacts.h"
#include "platform/DataFile.h"
#include "profiles/ProfileFiles.h"
#include "schedule/TaskFile.h"
#include "tests/fuzz/FuzzFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    FuzzInstallDir();
    // The windows take at most 100 characters of at most four bytes.
    const std::string value(reinterpret_cast<const char*>(data), size < 400 ? size : 400);
    // The windows refuse every control character; the files take any but LF and NUL
    // (older files hold them), with a CR within a line and one lost at its end.
    bool controls = false;
    for (const char c : value)
        controls = controls || static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
    if (IsOneLineValue(value) == controls)
        std::abort();
    const bool oneLine = value.find_first_of(std::string("\n\0", 2)) == std::string::npos;
    if (!IsOneLineValue(value) && value.find('\r') != std::string::npos && oneLine)
        return 0;  // refused by every window before it reaches a file

    ProfileRecord record;
    record.description = "Ann";
    record.fullName = value;
    if (SaveProfile(record) != oneLine)
        std::abort();
    if (oneLine) {
        const ProfileRecord back = LoadProfile("Ann");
        if (back.fullName != value || back.manualCalibration || back.hasMother || back.hasFather ||
            !(back.birthday == record.birthday))
            std::abort();
    }

    if (SaveProfileIndex({{value, "Ann", "Automatic"}}) != oneLine)
        std::abort();
    std::vector<ProfileIndexEntry> list;
    if (oneLine && (LoadProfileIndex(list) != FileState::Readable || list.size() != 1 || list[0].fullName != value ||
                    list[0].calibrationLabel != "Automatic"))
        std::abort();

    if (WriteContacts(ContactsPath(), {{value, "a@b"}, {"Bo", value}}) != oneLine)
        std::abort();
    const std::vector<Contact> contacts = ReadContacts(ContactsPath());
    if (oneLine && (contacts.size() != 2 || contacts[0].name != value || contacts[1].email != value))
        std::abort();

    if (WriteTaskFile({"/p/Ann.ini", value, 6, 0, 0}) != oneLine)
        std::abort();
    if (oneLine && ReadTaskFile().email != value)
        std::abort();
    return 0;
}
