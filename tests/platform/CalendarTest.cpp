#include "engine/ReadingEngine.h"
#include "platform/Calendar.h"

#include <climits>
#include <cstdlib>
#include <ctime>
#include <string>
#include <gtest/gtest.h>

TEST(Calendar, NumberReductions)
{
    struct Case {
        int n, reduced;
    };
    for (const Case c : {Case{10, 1}, {18, 9}, {19, 1}, {27, 9}, {28, 1}, {31, 4}, {9, 9}, {0, 0}, {-5, -5}, {32, 32}})
        EXPECT_EQ(ReduceNumber(c.n), c.reduced) << c.n;

    struct YearCase {
        int year, number;
    };
    for (const YearCase c : {YearCase{1900, 1},
                             {2000, 1},
                             {1970, 7},
                             {1999, 9},
                             {2005, 5},
                             {1966, 3},
                             {1910, 1},
                             {1899, 1},
                             {2100, 1},
                             {2099, 9},
                             {-1966, 1}})
        EXPECT_EQ(YearNumber(c.year), c.number) << c.year;

    // A sum below 10 gives 1 here, unlike DayNumber.
    EXPECT_EQ(TripleNumber(1, 1, 7), 1);
    EXPECT_EQ(TripleNumber(8, 6, 3), 8);
    EXPECT_EQ(TripleNumber(9, 9, 9), 9);
    EXPECT_EQ(TripleNumber(10, 10, 8), 1);
    EXPECT_EQ(TripleNumber(INT_MAX, INT_MAX, INT_MAX), 1);

    EXPECT_EQ(DayNumber(15, 3, 2004), 4);
    EXPECT_EQ(DayNumber(1, 1, 1905), 7);  // 1 + 1 + 5 stays 7
    EXPECT_EQ(DayNumber(9, 9, 1999), 9);
}

TEST(Calendar, DayCountCountsEveryFourthYearAsLeap)
{
    struct Case {
        Date from, to;
        int days;
    };
    const Case cases[] = {
        {{8, 15, 1966}, {3, 15, 2004}, 13727},
        {{3, 15, 2004}, {8, 15, 1966}, -13727},
        {{1, 31, 2003}, {2, 1, 2003}, 1},
        {{2, 28, 2004}, {3, 1, 2004}, 2},
        {{2, 28, 2003}, {3, 1, 2003}, 1},
        {{2, 28, 1900}, {3, 1, 1900}, 2},  // 1900 is a leap year here
        {{3, 1, 1900}, {3, 1, 1901}, 365},
        {{2, 1, 1900}, {2, 1, 1901}, 365 + 1},
        {{12, 31, 1999}, {1, 1, 2000}, 1},
        {{1, 1, 1900}, {1, 1, 1900}, 0},
        // Unchecked months from a profile file roll into the neighbouring year.
        {{0, 31, 1966}, {12, 31, 1965}, 0},
        {{13, 1, 1966}, {1, 1, 1967}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DayCount(c.from, c.to), c.days) << c.from.month << "/" << c.from.day << "/" << c.from.year << " -> "
                                                  << c.to.month << "/" << c.to.day << "/" << c.to.year;
    // Absurd years saturate instead of overflowing.
    EXPECT_EQ(DayCount({1, 1, INT_MIN}, {1, 1, INT_MAX}), INT_MAX);
    EXPECT_EQ(DayCount({INT_MAX, INT_MAX, INT_MAX}, {INT_MIN, INT_MIN, INT_MIN}), INT_MIN);
}

TEST(Calendar, DaysInMonthIsOnOrAfterMonthName)
{
    struct Case {
        int month, year, days;
    };
    for (const Case c : {Case{2, 1900, 28},
                         {2, 2004, 29},
                         {2, 2003, 28},
                         {2, 2026, 28},
                         {2, 2028, 29},
                         {2, 2099, 28},
                         {2, 2100, 31},
                         {2, 1899, 31},
                         {4, 2000, 30},
                         {6, 2000, 30},
                         {9, 2000, 30},
                         {11, 2000, 30},
                         {12, 2000, 31},
                         {0, 2000, 31},
                         {13, 2000, 31}})
        EXPECT_EQ(DaysInMonth(c.month, c.year), c.days) << c.month << "/" << c.year;

    EXPECT_TRUE(IsOnOrAfter(2004, 3, 15, 2004, 3, 15));
    EXPECT_TRUE(IsOnOrAfter(2004, 1, 1, 2003, 12, 31));
    EXPECT_FALSE(IsOnOrAfter(2004, 3, 14, 2004, 3, 15));
    EXPECT_FALSE(IsOnOrAfter(2004, 2, 30, 2004, 3, 1));
    EXPECT_TRUE(IsOnOrAfter(2004, 4, 1, 2004, 3, 31));

    EXPECT_EQ(MonthName(1), "January ");
    EXPECT_EQ(MonthName(9), "September ");
    EXPECT_EQ(MonthName(11), "November ");
    EXPECT_EQ(MonthName(12), "December ");
    EXPECT_EQ(MonthName(0), "December ");
    EXPECT_EQ(MonthName(13), "December ");
}

// Stepping is calendar arithmetic: the same in every time zone, even where the clocks go
// back at midnight, and it walks every listed day once each way.
TEST(Calendar, DaysStepByTheCalendarAcrossTheListedRange)
{
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    ::setenv("TZ", "America/Asuncion", 1);
    ::tzset();
    EXPECT_EQ(DayAfter(Date{3, 26, 2022}), (Date{3, 27, 2022}));
    EXPECT_EQ(DayBefore(Date{3, 27, 2022}), (Date{3, 26, 2022}));

    int steps = 0;
    for (Date day = FirstListedDay; !(day == LastListedDay); day = DayAfter(day), ++steps) {
        ASSERT_LE(day.day, DaysInMonth(day.month, day.year)) << day.month << "/" << day.day << "/" << day.year;
        ASSERT_EQ(DayBefore(DayAfter(day)), day) << day.month << "/" << day.day << "/" << day.year;
    }
    EXPECT_EQ(steps, 200 * 365 + 49 - 1);  // 49 leap days: 1904 to 2096, 1900 none
    EXPECT_EQ(DayAfter(Date{12, 31, 2004}), (Date{1, 1, 2005}));
    EXPECT_EQ(DayBefore(Date{3, 1, 2004}), (Date{2, 29, 2004}));
    EXPECT_EQ(DayBefore(FirstListedDay), (Date{12, 31, 1899}));
    if (old)
        ::setenv("TZ", saved.c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}

TEST(Cycles, DayByDayOverAFullPeriodAndBeforeBirth)
{
    struct Case {
        CycleKind kind;
        std::vector<int> days;
        int beforeBirth;
    };
    const Case cases[] = {
        {CycleKind::Emotional,
         {50, 57, 64, 71, 78, 85, 93, 100, 93, 85, 78, 71, 64, 57, 49, 42, 35, 28, 21, 14, 7, 1, 7, 14, 21, 28, 35, 42},
         42},
        {CycleKind::Physical,
         {50, 60, 70, 80, 90, 100, 100, 90, 80, 70, 60, 50, 40, 30, 20, 10, 1, 1, 10, 20, 30, 40, 50},
         40},
        {CycleKind::Intellectual,
         {50, 56, 62, 68, 74, 80, 86, 93, 100, 93, 86, 80, 74, 68, 62, 56, 50,
          44, 38, 31, 24, 18, 12, 6,  1,  1,   12, 18, 24, 31, 38, 44, 50},
         44},
    };
    for (const Case& c : cases) {
        const int period = static_cast<int>(c.days.size());
        // Two full periods: the second repeats the first.
        for (int day = 0; day < 2 * period; ++day)
            EXPECT_EQ(CycleValue(c.kind, 24 * day), c.days[static_cast<std::size_t>(day % period)])
                << static_cast<int>(c.kind) << " day " << day;
        EXPECT_EQ(CycleValue(c.kind, -24), c.beforeBirth);
        EXPECT_EQ(CycleValue(c.kind, INT_MIN), c.beforeBirth);
        EXPECT_GE(CycleValue(c.kind, INT_MAX), 1);
    }
    // Inside a day: the low Intellectual half stays at 1 from 199 to 216 hours.
    EXPECT_EQ(CycleValue(CycleKind::Intellectual, 396 + 200), 1);
    EXPECT_EQ(CycleValue(CycleKind::Intellectual, 200), 93);
    EXPECT_EQ(CycleValue(CycleKind::Emotional, 336 + 335), 49);
}

TEST(Lottery, FoldAndNameValue)
{
    struct Case {
        int x, limit, result;
    };
    for (const Case c : {Case{61, 10, 1},
                         {48, 10, 8},
                         {37, 20, 17},
                         {9, 10, 9},
                         {0, 10, 1},
                         {10, 10, 1},
                         {54, 55, 54},
                         {55, 55, 45},
                         {99, 55, 49},
                         {45, 40, 35},
                         {-3, 10, -3}})
        EXPECT_EQ(Fold(c.x, c.limit), c.result) << c.x << " " << c.limit;

    EXPECT_EQ(NameValue("Anna Lee"), 52);
    EXPECT_EQ(NameValue("Ann 2"), 31);
    EXPECT_EQ(NameValue("zZ09"), 26 + 26 + 0 + 9);
    EXPECT_EQ(NameValue("\xc3\xa9-!. "), 0);  // accented letters and punctuation count nothing
    EXPECT_EQ(NameValue(""), 0);
}

TEST(Zodiac, BoundariesOfEveryMonth)
{
    struct Case {
        int month, lastDay;
        const char* first;
        const char* second;
    };
    const Case cases[] = {
        {1, 20, "Capricorn", "Aquarius"},   {2, 19, "Aquarius", "Pisces"},
        {3, 20, "Pisces", "Aries"},         {4, 20, "Aries", "Taurus"},
        {5, 21, "Taurus", "Gemini"},        {6, 21, "Gemini", "Cancer"},
        {7, 22, "Cancer", "Leo"},           {8, 23, "Leo", "Virgo"},
        {9, 23, "Virgo", "Libra"},          {10, 23, "Libra", "Scorpio"},
        {11, 22, "Scorpio", "Sagittarius"}, {12, 21, "Sagittarius", "Capricorn"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ZodiacSignName(c.month, c.lastDay), c.first) << c.month;
        EXPECT_EQ(ZodiacSignName(c.month, c.lastDay + 1), c.second) << c.month;
    }
    EXPECT_EQ(ZodiacSignName(0, 10), "");
    EXPECT_EQ(ZodiacSignName(13, 10), "");
}
