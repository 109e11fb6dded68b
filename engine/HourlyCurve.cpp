#include "engine/HourlyCurve.h"

#include "engine/DailyRecord.h"
#include "platform/Calendar.h"

#include <cstdlib>

namespace {
constexpr double Eleventh = 1.0 / 11.0;
}

HourlyCurve ComputeHourlyCurve(HourlyValues& values)
{
    for (int* v : {&values.previousValue, &values.nextValue, &values.dayValue})
        if (*v <= 0)
            *v = 3;

    double step1 = 0.11;
    if (const int d1 = std::abs(values.previousValue - values.dayValue); d1 > 0) {
        step1 = d1 * Eleventh;
    } else {
        ++values.dayValue;
        ++values.nextValue;
    }
    double step2 = 0.11;
    if (const int d2 = std::abs(values.nextValue - values.dayValue); d2 > 0)
        step2 = d2 * Eleventh;
    else
        ++values.nextValue;

    HourlyCurve curve;
    const double previous = values.previousValue;
    const double day = values.dayValue;
    const double next = values.nextValue;
    curve.hourValue[0] = previous;
    for (int h = 1; h <= 11; ++h)
        curve.hourValue[h] = previous < day ? previous + h * step1 : previous - h * step1;
    curve.hourValue[12] = day;
    for (int h = 13; h <= 23; ++h)
        curve.hourValue[h] = next < day ? day - (h - 12) * step2 : day + (h - 12) * step2;
    curve.hourValue[24] = next;

    curve.firstPhase = values.dayValue >= values.previousValue ? " Rising " : " Falling ";
    curve.secondPhase = values.nextValue >= values.dayValue ? " Rising " : " Falling ";
    return curve;
}

std::string HourlyChartHeading(int kind)
{
    const char* names[] = {"Emotional", "Physical", "Intellectual", "Intuition"};
    const std::string name = kind >= 1 && kind <= 4 ? names[kind - 1] : "Fortune";
    return "Hourly Analysis: " + name + "  [24 Hours Scale]";
}

std::string HourlyTitleSuffix(int kind)
{
    switch (kind) {
    case 1:
        return "   Reading - Emotional";
    case 2:
        return "   Reading - Physical";
    case 3:
        return "   Reading -Intellectual";
    case 4:
        return "   Reading - Intuition";
    case 5:
        return "   Reading - Fortune";
    default:
        return {};
    }
}

std::string HourlyTitle(const Date& shownDate, const std::string& fullName, bool manualCalibration, int kind)
{
    return "Hourly Analysis - " + MonthName(shownDate.month) + std::to_string(shownDate.day) + ", " +
           std::to_string(shownDate.year) + "  - " + fullName + " -" +
           (manualCalibration ? "  Manual Calibration" : "  Automatic Calibration") + HourlyTitleSuffix(kind);
}

HourlyDay HourlyDayOf(const ProfileRecord& profile, int kind, const Date& shownDate, const Date& date)
{
    HourlyDay day;
    day.title = HourlyTitle(shownDate, profile.fullName, profile.manualCalibration, kind);
    if (kind < 1 || kind > 5)
        return day;
    const int value = ComputeDailyRecord(profile, date).raw[static_cast<std::size_t>(kind - 1)];
    day.value = value <= 0 ? 3 : value;
    return day;
}
