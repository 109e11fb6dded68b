#include "reports/MonthView.h"

#include "platform/Calendar.h"
#include "reports/DailyReadingSet.h"

#include <algorithm>
#include <cmath>

namespace {
const char* const CycleNames[CycleCount] = {"Emotional", "Physical", "Intellectual", "Intuition", "Fortune"};

Date Moved(Date date, int delta)
{
    for (; delta > 0 && !(date == LastListedDay); --delta)
        date = DayAfter(date);
    for (; delta < 0 && !(date == FirstListedDay); ++delta)
        date = DayBefore(date);
    return date;
}
}

std::vector<MonthDay> MonthDays(const ProfileRecord& profile, const Date& first, int count)
{
    std::vector<MonthDay> days;
    Date date = first;
    for (int i = 0; i < count; ++i, date = DayAfter(date)) {
        const DailyRecord record = ComputeDailyRecord(profile, date);
        days.push_back({date, record.limited, record.dayReading});
    }
    return days;
}

std::vector<MonthDay> MonthDays(const std::string& profilePath, const Date& first, int count, std::string* fullName)
{
    if (profilePath.empty())
        return {};
    const ProfileRecord profile = ReadProfileFile(profilePath);
    if (fullName)
        *fullName = profile.fullName;
    return MonthDays(profile, first, count);
}

MonthRange RangeAround(const Date& chosen, int days)
{
    days = std::clamp(days, MonthViewFewestDays, MonthViewMostDays);
    Date first = Moved(chosen, -(days / 2));
    // Near the last listed day the range ends there and reaches back further.
    const int room = DayCount(first, LastListedDay) + 1;
    if (room < days)
        first = Moved(first, room - days);
    return {first, days};
}

int IndexInRange(const MonthRange& range, const Date& date)
{
    // Counted by the real calendar: the readings' own day count has a 29 February 1900.
    Date day = range.first;
    for (int index = 0; index < range.days; ++index, day = DayAfter(day))
        if (day == date)
            return index;
    return -1;
}

Date DateInRange(const MonthRange& range, int index)
{
    return Moved(range.first, index);
}

Date MonthStep(const Date& chosen, int months)
{
    int month = chosen.month - 1 + months;
    int year = chosen.year + (month >= 0 ? month / 12 : (month - 11) / 12);
    month = ((month % 12) + 12) % 12 + 1;
    if (year < OldestListedYear)
        return FirstListedDay;
    if (year > NewestListedYear)
        return LastListedDay;
    return {month, std::min(chosen.day, DaysInMonth(month, year)), year};
}

Date DayStep(const Date& chosen, int delta)
{
    return Moved(chosen, delta);
}

double MonthChartLayout::DayX(int index) const
{
    const double column = (right - left) / days;
    return left + column * (index + 0.5);
}

double MonthChartLayout::ValueY(double value) const
{
    return bottom - value * (bottom - top) / 100.0;
}

int MonthChartLayout::DayAt(double x) const
{
    if (x < left || x >= right || days <= 0)
        return -1;
    return std::min(days - 1, static_cast<int>((x - left) / ((right - left) / days)));
}

int MonthChartLayout::LabelEvery(double labelWidth) const
{
    const double column = (right - left) / days;
    for (const int every : {1, 2, 7, 14})
        if (column * every >= labelWidth)
            return every;
    return 28;
}

MonthChartLayout LayoutMonthChart(double width, double height, int days)
{
    // Room for the title and legend above, the scale on the left and two rows of
    // dates with the good and bad marks below.
    MonthChartLayout layout;
    layout.left = std::round(width * 0.08);
    layout.right = width - std::round(width * 0.03);
    layout.top = std::round(height * 0.17);
    layout.bottom = height - std::round(height * 0.15);
    layout.days = std::max(1, days);
    return layout;
}

std::string LongDate(const Date& date)
{
    return MonthName(date.month) + std::to_string(date.day) + ", " + std::to_string(date.year);
}

std::string MonthDayLine(const MonthDay& day)
{
    std::string line = LongDate(day.date) + ", " + DayReadingName(day.kind) + ":";
    for (int k = 0; k < CycleCount; ++k)
        line += std::string(k ? ", " : " ") + CycleNames[k] + " " +
                std::to_string(day.readings[static_cast<std::size_t>(k)]);
    return line;
}

std::string MonthTitle(const MonthRange& range, const std::string& fullName)
{
    return "Month at a Glance - " + LongDate(range.first) + " to " + LongDate(DateInRange(range, range.days - 1)) +
           "  - " + fullName + " -";
}
