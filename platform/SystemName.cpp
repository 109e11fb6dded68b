#include "platform/SystemName.h"

std::string SystemNameOf(const VersionRecord& record)
{
    switch (record.platform) {
    case VersionRecord::Win32s:
        return "32";
    case VersionRecord::Windows9x:
        if (record.major != 4)
            return {};
        if (record.minor == 0)
            return "95";
        if (record.minor == 10)
            return "98";
        if (record.minor == 90)
            return "ME";
        return {};
    case VersionRecord::WindowsNT:
        if (record.major <= 4)
            return "NT";
        if (record.major == 5)
            return record.minor == 0 ? "2000" : "XP";
        return {};
    case VersionRecord::Other:
        break;
    }
    return {};
}

std::string SystemName()
{
    return "Linux";
}
