#include "schedule/DailyNotice.h"

#include "platform/Calendar.h"

#include <cstdio>

namespace DailyNotice {
std::string Summary(const std::string& fullName)
{
    return "Daily Analysis \xE2\x80\x93 " + fullName;
}

std::string Body(const Date& day, const std::string& plainReport)
{
    std::string body = MonthName(day.month) + std::to_string(day.day) + ", " + std::to_string(day.year);
    std::size_t start = plainReport.find('\n');
    for (int line = 2; line <= 7 && start != std::string::npos; ++line) {
        const std::size_t end = plainReport.find('\n', start + 1);
        body += plainReport.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end;
    }
    return body;
}

std::vector<std::string> OpenCommand(const std::string& program, const std::string& profilePath, const Date& day)
{
    std::string description = profilePath.substr(profilePath.rfind('/') + 1);
    const std::string extension = ".ini";
    if (description.size() > extension.size() &&
        description.compare(description.size() - extension.size(), extension.size(), extension) == 0)
        description.erase(description.size() - extension.size());
    return {program, "open", "--profile", description, "--date", IsoDate(day)};
}

std::string IsoDate(const Date& day)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", day.year, day.month, day.day);
    return text;
}
}
