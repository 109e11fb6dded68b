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
