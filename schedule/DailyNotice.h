#pragma once

#include "platform/Date.h"

#include <string>
#include <vector>

// The desktop notification of the daily reading.
namespace DailyNotice {
// "Daily Analysis – " and the profile's full name (an en dash, in UTF-8).
std::string Summary(const std::string& fullName);

// The day ("March 15, 2004"), then the five readings and the day reading: lines 2
// to 7 of the plain-text report.
std::string Body(const Date& day, const std::string& plainReport);

// What the notification's "Open" starts: the main program showing the day for
// the profile, named by its description (the profile file's name without ".ini").
std::vector<std::string> OpenCommand(const std::string& program, const std::string& profilePath, const Date& day);

// The day as YYYY-MM-DD.
std::string IsoDate(const Date& day);
}
