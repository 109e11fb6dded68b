#pragma once

#include "engine/DailyRecord.h"
#include "platform/Date.h"

#include <ctime>
#include <string>
#include <vector>

// One day of a calendar export.
struct CalendarDay {
    Date date;
    Date nextDate;  // the all-day event ends where the next day begins
    DayReading dayReading = DayReading::Normal;
    std::string plainReport;  // the day's plain-text report
};

// An iCalendar text with one all-day event for each good or bad day, summary
// "Good Day – Ann Lee", the plain report as description and a UID that stays the
// same for the same profile and date, so that a second import updates the first.
// `stamp` is the moment of the export (DTSTAMP).
std::string ReportCalendar(const std::string& description, const std::string& fullName,
                           const std::vector<CalendarDay>& days, std::time_t stamp);

// A property value of type TEXT: backslash, semicolon, comma and line breaks
// escaped, other control characters dropped, well-formed UTF-8.
std::string CalendarText(const std::string& text);

// One content line folded at 75 octets, never inside a UTF-8 character, each
// piece ended by CR LF.
std::string FoldedLine(const std::string& line);
