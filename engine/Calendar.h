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
int DaysInMonth(int month, int year);
// True when the first date is the same as or later than the second.
bool IsOnOrAfter(int year1, int month1, int day1, int year2, int month2, int day2);
// "January " ... "November "; every other value gives "December ".
std::string MonthName(int month);
