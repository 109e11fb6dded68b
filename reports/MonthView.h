#pragma once

#include "engine/DailyRecord.h"
#include "platform/Date.h"

#include <array>
#include <string>
#include <vector>

// The month at a glance: the five readings of a run of days as curves. These are its
// rules without any drawing: the days, the range and its steps, the chart's geometry.

inline constexpr int MonthViewFewestDays = 7;
inline constexpr int MonthViewMostDays = 92;
inline constexpr int MonthViewDefaultDays = 31;

struct MonthDay {
    Date date;
    std::array<int, CycleCount> readings{};  // limited to 3..99 as the daily window shows them
    DayReading kind = DayReading::Normal;
};

// The one place the month view asks the engine: `count` days from `first`.
std::vector<MonthDay> MonthDays(const ProfileRecord& profile, const Date& first, int count);
// The same for a profile file, read once; none for an empty path. `fullName` receives
// the profile's name when given.
std::vector<MonthDay> MonthDays(const std::string& profilePath, const Date& first, int count,
                                std::string* fullName = nullptr);

// `days` days (limited to 7..92) with `chosen` in the middle, moved as a whole to stay
// within 1 January 1900 .. 31 December 2099.
struct MonthRange {
    Date first;
    int days = MonthViewDefaultDays;
};
MonthRange RangeAround(const Date& chosen, int days);
// Index of `date` in the range, -1 outside it.
int IndexInRange(const MonthRange& range, const Date& date);
Date DateInRange(const MonthRange& range, int index);

// The chosen day a calendar month earlier (months < 0) or later, its day of month kept
// where the month has it, else the month's last day; never past the listed ends.
Date MonthStep(const Date& chosen, int months);

// The chosen day moved by `delta` days, never leaving the listed ends.
Date DayStep(const Date& chosen, int delta);

// The chart's geometry for a drawing of width x height pixels (or any unit): the plot
// area, each day's x and each value's y. A value v lies at bottom - v * (height / 100).
struct MonthChartLayout {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
    int days = MonthViewDefaultDays;

    double DayX(int index) const;
    double ValueY(double value) const;
    // The day under x (the nearest day's column), -1 outside the plot's columns.
    int DayAt(double x) const;
    // Every how many days the date axis names a day, so that labels never overlap.
    int LabelEvery(double labelWidth) const;
};
MonthChartLayout LayoutMonthChart(double width, double height, int days);

// "March 15, 2004"
std::string LongDate(const Date& date);
// "March 15, 2004, Good Day: Emotional 99, Physical 20, Intellectual 50, Intuition 10, Fortune 10"
std::string MonthDayLine(const MonthDay& day);
// The caption: "Month at a Glance - March 1, 2004 to March 31, 2004  - Anna Lee -"
std::string MonthTitle(const MonthRange& range, const std::string& fullName);
