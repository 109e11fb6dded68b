#include "platform/Calendar.h"

#include <climits>

namespace {
int Saturate(long long value)
{
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

long long FloorDiv(long long a, long long b)
{
    const long long q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

bool IsLeapYear(long long year)
{
    return year % 4 == 0;
}

// Days before the first of each month in a common year.
constexpr int monthStart[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

// A running day number in the program's calendar. Profile files carry unchecked
// numbers, so a month outside 1..12 rolls into neighbouring years and all
// arithmetic is 64-bit.
long long SerialDay(const Date& date)
{
    long long year = date.year;
    const long long monthIndex = static_cast<long long>(date.month) - 1;
    year += FloorDiv(monthIndex, 12);
    const int month = static_cast<int>(monthIndex - 12 * FloorDiv(monthIndex, 12));
    long long days = 365 * year + FloorDiv(year + 3, 4);
    days += monthStart[month];
    if (month >= 2 && IsLeapYear(year))
        ++days;
    return days + date.day;
}
}

int ReduceNumber(int n)
{
    if (n >= 10 && n <= 31)
        return 1 + (n - 1) % 9;
    return n;
}

int YearNumber(int year)
{
    int v;
    if (year >= 1900 && year <= 1999)
        v = year - 1900;
    else if (year >= 2000 && year <= 2099)
        v = year - 2000;
    else
        return 1;
    if (v == 0)
        return 1;
    if (v <= 9)
        return v;
    return 1 + (v - 1) % 9;
}

int TripleNumber(int a, int b, int c)
{
    const long long sum = static_cast<long long>(a) + b + c;
    if (sum >= 10 && sum <= 27)
        return static_cast<int>(1 + (sum - 1) % 9);
    return 1;
}

int DayNumber(int day, int month, int year)
{
    const long long sum = static_cast<long long>(ReduceNumber(day)) + ReduceNumber(month) + YearNumber(year);
    return ReduceNumber(Saturate(sum));
}

int DayCount(const Date& from, const Date& to)
{
    return Saturate(SerialDay(to) - SerialDay(from));
}

int GregorianDaysInMonth(int month, int year)
{
    if (month == 4 || month == 6 || month == 9 || month == 11)
        return 30;
    if (month == 2)
        return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0) ? 29 : 28;
    return 31;
}

int DaysInMonth(int month, int year)
{
    if (month < 1 || month > 12 || year < OldestListedYear || year > NewestListedYear)
        return 31;
    return GregorianDaysInMonth(month, year);
}

Date DayBefore(const Date& date)
{
    if (date.day > 1)
        return {date.month, date.day - 1, date.year};
    if (date.month > 1)
        return {date.month - 1, GregorianDaysInMonth(date.month - 1, date.year), date.year};
    return {12, 31, date.year - 1};
}

Date DayAfter(const Date& date)
{
    if (date.day < GregorianDaysInMonth(date.month, date.year))
        return {date.month, date.day + 1, date.year};
    if (date.month < 12)
        return {date.month + 1, 1, date.year};
    return {1, 1, date.year + 1};
}

bool IsOnOrAfter(int year1, int month1, int day1, int year2, int month2, int day2)
{
    if (year1 != year2)
        return year1 > year2;
    if (month1 != month2)
        return month1 > month2;
    return day1 >= day2;
}

std::string MonthName(int month)
{
    static const char* const names[11] = {"January ", "February ", "March ",     "April ",   "May ",     "June ",
                                          "July ",    "August ",   "September ", "October ", "November "};
    if (month >= 1 && month <= 11)
        return names[month - 1];
    return "December ";
}
