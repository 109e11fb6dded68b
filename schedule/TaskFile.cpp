#include "schedule/TaskFile.h"

#include "platform/DataFile.h"
#include "platform/Paths.h"

#include <string_view>

namespace {
constexpr std::size_t lineBuffer = 500;

bool TakeValue(const std::string& line, std::string_view key, std::string& value)
{
    if (line.compare(0, key.size(), key) != 0)
        return false;
    value = line.substr(key.size());
    return true;
}
}

int TaskFileContents::UnattendedType() const
{
    return !type.empty() && ParseLeadingInt(type) == 1 ? 1 : 0;
}

std::string TaskFilePath()
{
    return InstallDir() + "task.dtr";
}

std::string FormatTaskTime(int hour, int minute)
{
    return std::to_string(hour) + ":" + std::to_string(minute) + (hour <= 11 ? "AM" : "PM");
}

std::string FormatTaskFile(const TaskFile& task)
{
    return "Profile:" + task.profilePath + "\nEmail:" + task.email + "\nTime:" + FormatTaskTime(task.hour, task.minute) +
           "\nType:" + std::to_string(task.fullColour) + "\n";
}

bool WriteTaskFile(const TaskFile& task)
{
    if (!FitsOnOneLine(task.profilePath) || !FitsOnOneLine(task.email))
        return false;
    return WriteFileAtomically(TaskFilePath(), FormatTaskFile(task));
}

TaskFileContents ReadTaskFile(const std::string& path)
{
    TaskFileContents contents;
    std::vector<std::string> lines;
    ReadLinesBuffered(path, lineBuffer, lines);
    for (const std::string& line : lines) {
        std::string value;
        if (TakeValue(line, "Profile:", value))
            contents.profilePath = value;
        else if (TakeValue(line, "Email:", value))
            contents.email = value;
        else if (TakeValue(line, "Time:", value))
            contents.times.push_back(value);
        else if (TakeValue(line, "Type:", value) && !value.empty())
            contents.type = value;  // an empty Type line does not count
    }
    return contents;
}

bool IsProfileScheduled(const std::string& profilePath)
{
    const std::string wanted = FileNameOfPath(profilePath);
    std::vector<std::string> lines;
    ReadLinesBuffered(TaskFilePath(), lineBuffer, lines);
    // Every "Profile:" line counts, not only the last one.
    for (const std::string& line : lines) {
        std::string value;
        if (TakeValue(line, "Profile:", value) && FileNameOfPath(value) == wanted)
            return true;
    }
    return false;
}

void DeleteTaskFile()
{
    MakeWritableAndDelete(TaskFilePath());
}
