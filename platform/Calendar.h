#pragma once

#include "platform/Date.h"

#include <string>

// Numerology reductions and the program's calendar (every year divisible by 4 is a leap year).
int ReduceNumber(int n);
int YearNumber(int year);
int TripleNumber(int a, int b, int c);
int DayNumber(int day, int month, int year);

// Days from `from` to `to`, negative when `to` is earlier.
int DayCount(const Date& from, const Date& to);

// The years a user can choose; outside them every month counts 31 days.
constexpr int OldestListedYear = 1900;
constexpr int NewestListedYear = 2099;
// Month lengths of the real (Gregorian) calendar inside the listed years, so 1900 has
// no 29 February; the readings' own day count keeps its every-fourth-year rule.
int DaysInMonth(int month, int year);
// Month lengths of the real calendar in any year (for dates typed as text).
int GregorianDaysInMonth(int month, int year);
// Calendar neighbours of a date, by the real calendar in any year: no clock, so no
// time zone or daylight-saving change can repeat or skip a day.
Date DayBefore(const Date& date);
Date DayAfter(const Date& date);
// The first and the last day that the date lists offer: the ends of stepping.
constexpr Date FirstListedDay{1, 1, OldestListedYear};
constexpr Date LastListedDay{12, 31, NewestListedYear};
// True when the first date is the same as or later than the second.
bool IsOnOrAfter(int year1, int month1, int day1, int year2, int month2, int day2);
// "January " ... "November "; every other value gives "December ".
std::string MonthName(int month);
