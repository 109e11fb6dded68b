#pragma once

#include <string>
#include <vector>

// How the daily reading reaches the user. A task file without a "Delivery:" line
// (as earlier versions wrote it) means e-mail.
enum class Delivery { Email, Notification, Both };

// "task.dtr" in InstallDir: the scheduled daily delivery.
struct TaskFile {
    std::string profilePath;
    std::string email;
    int hour = 6;
    int minute = 0;
    int fullColour = 0;
    Delivery delivery = Delivery::Email;
};

// What a reader finds; every field may be empty.
struct TaskFileContents {
    std::string profilePath;         // the last "Profile:" value
    std::string email;               // the last "Email:" value
    std::vector<std::string> times;  // every "Time:" value in file order
    std::string type;                // the last "Type:" value as written
    std::string delivery;            // the last "Delivery:" value

    // A profile, and an address unless the reading goes to the desktop.
    bool IsPresent() const { return !profilePath.empty() && (!email.empty() || DeliveryChoice() != Delivery::Email); }
    // "notification" and "both"; anything else is e-mail.
    Delivery DeliveryChoice() const;
    // Currently Scheduled window: empty Type -> no text, 0 -> plain, any other number -> full colours.
    // Unattended run: 1 only when the leading number is 1; anything else is 0.
    int UnattendedType() const;
};

std::string TaskFilePath();
// The "Time:%d:%d%s" value, e.g. "7:5AM", "19:30PM".
std::string FormatTaskTime(int hour, int minute);
// A stored "Time:" value as people read a clock: "12:0PM" is "12:00 PM", "19:30PM"
// "7:30 PM". A value that is not of the stored form is shown as it stands.
std::string DisplayTaskTime(const std::string& stored);
// "7:05 PM" for 19 and 5: the 24-hour lists read on a 12-hour clock.
std::string TwelveHourTime(int hour, int minute);
std::string FormatTaskFile(const TaskFile& task);
bool WriteTaskFile(const TaskFile& task);
TaskFileContents ReadTaskFile(const std::string& path = TaskFilePath());
bool IsProfileScheduled(const std::string& profilePath);
void DeleteTaskFile();
