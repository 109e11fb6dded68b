#pragma once

#include "platform/Date.h"

#include <optional>

// The one source of "today" (local time). Tests fix it with SetTodayForTesting;
// whole-process tests use faketime instead.
Date Today();
void SetTodayForTesting(std::optional<Date> date);

// Local calendar neighbours of a date: the local date of date 00:00:01 minus one
// hour, and of date 23:59:59 plus one hour.
Date DayBefore(const Date& date);
Date DayAfter(const Date& date);
