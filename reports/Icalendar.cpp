#include "reports/Icalendar.h"

#include "reports/DailyReadingSet.h"
#include "reports/Utf8Repair.h"

#include <cstdint>
#include <cstdio>

namespace {
constexpr std::size_t lineOctets = 75;

std::string CompactDate(const Date& date)
{
    char text[40];
    std::snprintf(text, sizeof text, "%04d%02d%02d", date.year, date.month, date.day);
    return text;
}

std::string UtcStamp(std::time_t stamp)
{
    std::tm utc{};
    gmtime_r(&stamp, &utc);
    char text[40];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02dZ", utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday,
                  utc.tm_hour, utc.tm_min, utc.tm_sec);
    return text;
}

// A description may hold any character a UID should not; its 64-bit FNV-1a hash
// names the profile instead.
std::string ProfileKey(const std::string& description)
{
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : description) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    char text[24];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

bool Continues(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}
}

std::string CalendarText(const std::string& text)
{
    std::string escaped;
    for (const char c : RepairedUtf8(text)) {
        if (c == '\\' || c == ';' || c == ',') {
            escaped += '\\';
            escaped += c;
        } else if (c == '\n') {
            escaped += "\\n";
        } else if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F) {
            continue;
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string FoldedLine(const std::string& line)
{
    std::string folded;
    std::size_t start = 0;
    std::size_t room = lineOctets;
    while (line.size() - start > room) {
        std::size_t end = start + room;
        while (end > start && Continues(line[end]))
            --end;
        folded.append(line, start, end - start);
        folded += "\r\n ";
        start = end;
        room = lineOctets - 1;  // the leading blank counts
    }
    folded.append(line, start, std::string::npos);
    return folded + "\r\n";
}

std::string ReportCalendar(const std::string& description, const std::string& fullName,
                           const std::vector<CalendarDay>& days, std::time_t stamp)
{
    std::string calendar = FoldedLine("BEGIN:VCALENDAR") + FoldedLine("VERSION:2.0") +
                           FoldedLine("PRODID:-//Moravel//Moravel 2005//EN") + FoldedLine("CALSCALE:GREGORIAN");
    const std::string key = ProfileKey(description);
    const std::string dtstamp = UtcStamp(stamp);
    bool anyEvent = false;
    for (const CalendarDay& day : days) {
        if (day.dayReading == DayReading::Normal)
            continue;
        const std::string reading = DayReadingName(day.dayReading);
        const std::string summary = fullName.empty() ? reading : reading + " \u2013 " + fullName;
        calendar += FoldedLine("BEGIN:VEVENT");
        calendar += FoldedLine("UID:" + CompactDate(day.date) + "-" + key + "@moravel");
        calendar += FoldedLine("DTSTAMP:" + dtstamp);
        calendar += FoldedLine("DTSTART;VALUE=DATE:" + CompactDate(day.date));
        calendar += FoldedLine("DTEND;VALUE=DATE:" + CompactDate(day.nextDate));
        calendar += FoldedLine("SUMMARY:" + CalendarText(summary));
        calendar += FoldedLine("DESCRIPTION:" + CalendarText(day.plainReport));
        calendar += FoldedLine("TRANSP:TRANSPARENT");
        calendar += FoldedLine("END:VEVENT");
        anyEvent = true;
    }
    // A calendar holds at least one component: a range without a good or bad day is
    // said as a free time span over its days, which calendars show as nothing.
    if (!anyEvent && !days.empty()) {
        const std::string first = CompactDate(days.front().date);
        const std::string end = CompactDate(days.back().nextDate);
        calendar += FoldedLine("BEGIN:VFREEBUSY");
        calendar += FoldedLine("UID:" + first + "-" + end + "-" + key + "@moravel");
        calendar += FoldedLine("DTSTAMP:" + dtstamp);
        calendar += FoldedLine("DTSTART:" + first + "T000000Z");
        calendar += FoldedLine("DTEND:" + end + "T000000Z");
        calendar += FoldedLine("END:VFREEBUSY");
    }
    return calendar + FoldedLine("END:VCALENDAR");
}
