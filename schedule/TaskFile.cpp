#include "schedule/TaskFile.h"

#include "platform/DataFile.h"
#include "platform/Paths.h"

#include <cstdio>
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

Delivery TaskFileContents::DeliveryChoice() const
{
    if (delivery == "notification")
        return Delivery::Notification;
    if (delivery == "both")
        return Delivery::Both;
    return Delivery::Email;
}

std::string TaskFilePath()
{
    return InstallDir() + "task.dtr";
}

std::string FormatTaskTime(int hour, int minute)
{
    return std::to_string(hour) + ":" + std::to_string(minute) + (hour <= 11 ? "AM" : "PM");
}

std::string DisplayTaskTime(const std::string& stored)
{
    int hour = -1, minute = -1, used = 0;
    char suffix[2] = {};
    if (std::sscanf(stored.c_str(), "%2d:%2d%1[AP]M%n", &hour, &minute, suffix, &used) != 3 ||
        static_cast<std::size_t>(used) != stored.size() || hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return stored;
    return TwelveHourTime(hour, minute);
}

std::string TwelveHourTime(int hour, int minute)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d %s", hour % 12 == 0 ? 12 : hour % 12, minute, hour <= 11 ? "AM" : "PM");
    return text;
}

std::string FormatTaskFile(const TaskFile& task)
{
    return "Profile:" + task.profilePath + "\nEmail:" + task.email +
           "\nTime:" + FormatTaskTime(task.hour, task.minute) + "\nType:" + std::to_string(task.fullColour) + "\n" +
           // Earlier versions skip the line; an e-mail task is written as they wrote it.
           (task.delivery == Delivery::Notification ? "Delivery:notification\n"
            : task.delivery == Delivery::Both       ? "Delivery:both\n"
                                                    : "");
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
        else if (TakeValue(line, "Delivery:", value))
            contents.delivery = value;
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
