#include "reports/DailyReadingSet.h"
#include "platform/Calendar.h"
#include "reports/MonthView.h"
#include "support/TempEnvironment.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {
struct RangeCase {
    Date chosen;
    int days;
    Date first;
    int length;
    int chosenIndex;
};

TEST(MonthView, RangesStayWithinTheCalendarAroundTheChosenDay)
{
    const RangeCase cases[] = {
        {{3, 15, 2004}, 31, {2, 29, 2004}, 31, 15},   // through a leap day
        {{3, 10, 1900}, 31, {2, 23, 1900}, 31, 15},   // 1900 has no 29 February
        {{1, 10, 1900}, 31, {1, 1, 1900}, 31, 9},     // moved to the first day
        {{12, 20, 2099}, 31, {12, 1, 2099}, 31, 19},  // and to the last
        {{6, 1, 2005}, 3, {5, 29, 2005}, 7, 3},       // at least a week
        {{6, 1, 2005}, 200, {4, 16, 2005}, 92, 46},   // at most 92 days
    };
    for (const RangeCase& c : cases) {
        const MonthRange range = RangeAround(c.chosen, c.days);
        EXPECT_EQ(range.first, c.first) << LongDate(c.chosen);
        EXPECT_EQ(range.days, c.length) << LongDate(c.chosen);
        EXPECT_EQ(IndexInRange(range, c.chosen), c.chosenIndex) << LongDate(c.chosen);
        EXPECT_EQ(DateInRange(range, c.chosenIndex), c.chosen);
        if (!(range.first == FirstListedDay)) {
            EXPECT_EQ(IndexInRange(range, DayStep(range.first, -1)), -1);
        }
    }
}

TEST(MonthView, MonthAndDaySteps)
{
    const struct {
        Date from;
        int months;
        Date to;
    } cases[] = {
        {{1, 31, 2004}, 1, {2, 29, 2004}},  {{1, 31, 2005}, 1, {2, 28, 2005}},   {{1, 31, 1900}, 1, {2, 28, 1900}},
        {{12, 15, 2004}, 1, {1, 15, 2005}}, {{1, 15, 2004}, -1, {12, 15, 2003}}, {{3, 31, 2004}, -13, {2, 28, 2003}},
        {{1, 15, 1900}, -1, {1, 1, 1900}},  {{12, 15, 2099}, 1, {12, 31, 2099}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MonthStep(c.from, c.months), c.to) << LongDate(c.from) << " " << c.months;
    EXPECT_EQ(DayStep(FirstListedDay, -1), FirstListedDay);
    EXPECT_EQ(DayStep(LastListedDay, 1), LastListedDay);
    EXPECT_EQ(DayStep({2, 28, 1900}, 1), (Date{3, 1, 1900}));
}

TEST(MonthView, EveryDayHasItsOwnColumnAndLabelsNeverOverlap)
{
    for (const int days : {7, 31, 92}) {
        const MonthChartLayout layout = LayoutMonthChart(780, 550, days);
        for (int i = 0; i < days; ++i)
            EXPECT_EQ(layout.DayAt(layout.DayX(i)), i) << days;
        EXPECT_EQ(layout.DayAt(layout.left - 1), -1);
        EXPECT_EQ(layout.DayAt(layout.right), -1);
        const double column = (layout.right - layout.left) / days;
        EXPECT_GE(column * layout.LabelEvery(24), 24) << days;
        EXPECT_DOUBLE_EQ(layout.ValueY(0), layout.bottom);
        EXPECT_DOUBLE_EQ(layout.ValueY(100), layout.top);
    }
}

// The chart's days are the daily window's: the same limited readings and day readings.
TEST(MonthView, DaysAgreeWithTheDailyReadings)
{
    const TempEnvironment env;
    const std::string profile = env.InstallDir() + "Anna.ini";
    std::ofstream(profile) << "Profile:Anna\nName:Anna Lee\nYourMonth:8\nYourDate:15\nYourYear:1966\n";
    std::string name;
    const std::vector<MonthDay> days = MonthDays(profile, {3, 1, 2004}, 31, &name);
    ASSERT_EQ(days.size(), 31u);
    EXPECT_EQ(name, "Anna Lee");
    int good = 0, bad = 0;
    for (const MonthDay& day : days) {
        DailyReadingSet set;
        ComputeDailyReadingSet(set, profile, day.date.year, day.date.month, day.date.day);
        EXPECT_EQ(day.readings, set.readings) << LongDate(day.date);
        const std::string kind = day.kind == DayReading::Good  ? "Good Day"
                                 : day.kind == DayReading::Bad ? "Bad Day"
                                                               : "Normal Day";
        EXPECT_EQ("Day Reading: " + kind, set.dayReadingText) << LongDate(day.date);
        good += day.kind == DayReading::Good;
        bad += day.kind == DayReading::Bad;
    }
    EXPECT_GT(good, 0);
    EXPECT_GT(bad, 0);
    EXPECT_EQ(days[14].date, (Date{3, 15, 2004}));
    EXPECT_EQ(MonthDayLine(days[14]),
              "March 15, 2004, Normal Day: Emotional 99, Physical 20, Intellectual 50, Intuition 10, Fortune 10");
    EXPECT_TRUE(MonthDays("", {3, 1, 2004}, 31).empty());
}
}
