#include "platform/Clock.h"

#include <ctime>

namespace {
std::optional<Date> fixedToday;

Date LocalDateOf(std::time_t t)
{
    std::tm local{};
    localtime_r(&t, &local);
    return {local.tm_mon + 1, local.tm_mday, local.tm_year + 1900};
}

std::time_t LocalTime(const Date& date, int hour, int minute, int second)
{
    std::tm local{};
    local.tm_year = date.year - 1900;
    local.tm_mon = date.month - 1;
    local.tm_mday = date.day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return std::mktime(&local);
}
}

Date Today()
{
    if (fixedToday)
        return *fixedToday;
    return LocalDateOf(std::time(nullptr));
}

void SetTodayForTesting(std::optional<Date> date)
{
    fixedToday = date;
}

Date DayBefore(const Date& date)
{
    return LocalDateOf(LocalTime(date, 0, 0, 1) - 3600);
}

Date DayAfter(const Date& date)
{
    return LocalDateOf(LocalTime(date, 23, 59, 59) + 3600);
}
