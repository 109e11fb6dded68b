#include "profiles/ProfileFiles.h"

#include "platform/DataFile.h"
#include "platform/Paths.h"

#include <sys/stat.h>
#include <string_view>

namespace {
constexpr std::size_t lineBuffer = 500;

bool StartsWith(const std::string& line, std::string_view key)
{
    return line.compare(0, key.size(), key) == 0;
}

// The numeric keys in file order, with the field each one fills.
struct NumericKey {
    std::string_view key;
    Date ProfileRecord::*date;
    int Date::*part;
    bool ProfileRecord::*flag;  // set by a month line with a value
};

constexpr NumericKey numericKeys[] = {
    {"YourMonth:", &ProfileRecord::birthday, &Date::month, nullptr},
    {"YourDate:", &ProfileRecord::birthday, &Date::day, nullptr},
    {"YourYear:", &ProfileRecord::birthday, &Date::year, nullptr},
    {"MotherMonth:", &ProfileRecord::motherBirthday, &Date::month, &ProfileRecord::hasMother},
    {"MotherDate:", &ProfileRecord::motherBirthday, &Date::day, nullptr},
    {"MotherYear:", &ProfileRecord::motherBirthday, &Date::year, nullptr},
    {"FatherMonth:", &ProfileRecord::fatherBirthday, &Date::month, &ProfileRecord::hasFather},
    {"FatherDate:", &ProfileRecord::fatherBirthday, &Date::day, nullptr},
    {"FatherYear:", &ProfileRecord::fatherBirthday, &Date::year, nullptr},
    {"BadMonth:", &ProfileRecord::badDay, &Date::month, &ProfileRecord::manualCalibration},
    {"BadDate:", &ProfileRecord::badDay, &Date::day, nullptr},
    {"BadYear:", &ProfileRecord::badDay, &Date::year, nullptr},
    {"GoodMonth:", &ProfileRecord::goodDay, &Date::month, nullptr},
    {"GoodDate:", &ProfileRecord::goodDay, &Date::day, nullptr},
    {"GoodYear:", &ProfileRecord::goodDay, &Date::year, nullptr},
};

void ReadProfileLine(const std::string& line, ProfileRecord& record)
{
    if (StartsWith(line, "Profile:")) {
        record.description = line.substr(8);
        return;
    }
    if (StartsWith(line, "Name:")) {
        record.fullName = line.substr(5);
        return;
    }
    for (const NumericKey& key : numericKeys) {
        if (!StartsWith(line, key.key))
            continue;
        // A key without a value leaves the field (and the group's flag) alone.
        if (line.size() > key.key.size()) {
            record.*key.date.*key.part = ParseLeadingInt(line.substr(key.key.size()));
            if (key.flag)
                record.*key.flag = true;
        }
        return;
    }
}

void AppendNumber(std::string& text, std::string_view key, int value)
{
    text.append(key);
    text += std::to_string(value);
    text += '\n';
}

void AppendDate(std::string& text, std::string_view prefix, const Date& date)
{
    const std::string p(prefix);
    AppendNumber(text, p + "Month:", date.month);
    AppendNumber(text, p + "Date:", date.day);
    AppendNumber(text, p + "Year:", date.year);
}
}

FileState ReadProfileFile(const std::string& path, ProfileRecord& record)
{
    record = {};
    std::vector<std::string> lines;
    const FileState state = ReadDataLines(path, lineBuffer, lines);
    for (const std::string& line : lines)
        ReadProfileLine(line, record);
    return state;
}

ProfileRecord ReadProfileFile(const std::string& path)
{
    ProfileRecord record;
    ReadProfileFile(path, record);
    return record;
}

bool IsValidProfileFileName(const std::string& description)
{
    if (description.empty() || description == "." || description == "..")
        return false;
    // "mv.ini" is the profile index and "contacts.ini" the address book. File names
    // are case-sensitive here, so "MV" or "Contacts" name files of their own.
    if (description == "mv" || description == "contacts")
        return false;
    // A slash leaves InstallDir; NUL, CR and LF would cut or break the file's lines.
    // (The editor refuses every control character; older files may hold a TAB.)
    return FitsOnOneLine(description) && description.find_first_of("\r/") == std::string::npos;
}

std::string ProfilePath(const std::string& description)
{
    return InstallDir() + description + ".ini";
}

ProfileRecord LoadProfile(const std::string& description)
{
    if (!IsValidProfileFileName(description))
        return {};
    return ReadProfileFile(ProfilePath(description));
}

std::string FormatProfile(const ProfileRecord& record)
{
    std::string text;
    text += "Profile:" + record.description + "\n";
    text += "Name:" + record.fullName + "\n";
    AppendDate(text, "Your", record.birthday);
    if (record.hasMother)
        AppendDate(text, "Mother", record.motherBirthday);
    if (record.hasFather)
        AppendDate(text, "Father", record.fatherBirthday);
    if (record.manualCalibration) {
        AppendDate(text, "Bad", record.badDay);
        AppendDate(text, "Good", record.goodDay);
    }
    return text;
}

bool SaveProfile(const ProfileRecord& record)
{
    if (!IsValidProfileFileName(record.description) || !FitsOnOneLine(record.fullName))
        return false;
    return WriteFileAtomically(ProfilePath(record.description), FormatProfile(record));
}

bool DeleteProfileFile(const std::string& description)
{
    if (!IsValidProfileFileName(description))
        return true;
    const std::string path = ProfilePath(description);
    struct stat info {};
    return MakeWritableAndDelete(path) || ::lstat(path.c_str(), &info) != 0;
}

bool IndexExists(const std::string& folder)
{
    return DataFileState(folder + "mv.ini") != FileState::Absent;
}

std::string ProfileIndexPath()
{
    return InstallDir() + "mv.ini";
}

FileState LoadProfileIndex(std::vector<ProfileIndexEntry>& list)
{
    std::vector<std::string> lines;
    const FileState state = ReadDataLines(ProfileIndexPath(), lineBuffer, lines);
    // The texts carry over: a record without a line repeats the one before it.
    ProfileIndexEntry current;
    for (const std::string& line : lines) {
        if (StartsWith(line, "Profile:"))
            current.fullName = line.substr(8);
        else if (StartsWith(line, "Description:"))
            current.description = line.substr(12);
        else if (StartsWith(line, "Adjustment:")) {
            current.calibrationLabel = line.substr(11);
            list.push_back(current);
        }
    }
    return state;
}

std::string FormatProfileIndex(const std::vector<ProfileIndexEntry>& list)
{
    std::string text;
    for (const ProfileIndexEntry& entry : list) {
        text += "Profile:" + entry.fullName + "\n";
        text += "Description:" + entry.description + "\n";
        text += "Adjustment:" + entry.calibrationLabel + "\n";
    }
    return text;
}

bool SaveProfileIndex(const std::vector<ProfileIndexEntry>& list)
{
    // One row is three lines, whatever its texts hold.
    for (const ProfileIndexEntry& entry : list) {
        if (!FitsOnOneLine(entry.fullName) || !FitsOnOneLine(entry.description) ||
            !FitsOnOneLine(entry.calibrationLabel))
            return false;
    }
    return WriteFileAtomically(ProfileIndexPath(), FormatProfileIndex(list));
}
