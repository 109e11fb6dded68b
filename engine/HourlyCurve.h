#pragma once

#include "platform/Date.h"
#include "profiles/ProfileFiles.h"

#include <array>
#include <string>

// The three day values an hourly chart spreads over 24 hours.
struct HourlyValues {
    int previousValue = 3;
    int dayValue = 3;
    int nextValue = 3;
};

struct HourlyCurve {
    std::array<double, 25> hourValue{};  // hours 0 .. 24
    std::string firstPhase;              // " Rising " or " Falling "
    std::string secondPhase;
};

// Computes the curve and stores its adjustments in `values`: values of 0 or less
// become 3, and a flat half-day lifts the later values by one so that the next
// drawing sees a slope.
HourlyCurve ComputeHourlyCurve(HourlyValues& values);

// Cycle kinds 1 (Emotional) .. 5 (Fortune) as the hourly buttons number them.
// Any kind outside 1..4 takes the Fortune heading.
std::string HourlyChartHeading(int kind);
// "   Reading - Emotional" ...; empty outside 1..5.
std::string HourlyTitleSuffix(int kind);
// "Hourly Analysis - March 15, 2004  - Anna Lee -  Automatic Calibration" + suffix.
std::string HourlyTitle(const Date& shownDate, const std::string& fullName, bool manualCalibration, int kind);

// A cycle's value on a day for the hourly chart (kind 1 Emotional .. 5 Fortune) and
// the chart's title for the shown day. The chart floors the value at 3, where the
// reading is 0 or less, but sets no upper limit: a peak day shows 100.
struct HourlyDay {
    int value = 3;
    std::string title;
};
HourlyDay HourlyDayOf(const ProfileRecord& profile, int kind, const Date& shownDate, const Date& date);
