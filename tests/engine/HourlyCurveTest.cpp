#include "engine/HourlyCurve.h"

#include <gtest/gtest.h>

TEST(HourlyCurve, FlatDaysAreLiftedAndStored)
{
    HourlyValues values{50, 50, 50};
    HourlyCurve curve = ComputeHourlyCurve(values);
    EXPECT_EQ(values.previousValue, 50);
    EXPECT_EQ(values.dayValue, 51);
    EXPECT_EQ(values.nextValue, 52);
    EXPECT_EQ(curve.firstPhase, " Rising ");
    EXPECT_EQ(curve.secondPhase, " Rising ");
    EXPECT_NEAR(curve.hourValue[1], 50.11, 1e-9);
    EXPECT_EQ(curve.hourValue[12], 51.0);
    EXPECT_EQ(curve.hourValue[24], 52.0);

    // A later drawing sees the stored slope and changes nothing more.
    curve = ComputeHourlyCurve(values);
    EXPECT_EQ(values.dayValue, 51);
    EXPECT_EQ(values.nextValue, 52);
    EXPECT_NEAR(curve.hourValue[11], 51.0, 1e-9);
}

TEST(HourlyCurve, FallingFirstHalfReachesTheDayAtHourEleven)
{
    HourlyValues values{80, 25, 40};
    const HourlyCurve curve = ComputeHourlyCurve(values);
    for (int h = 1; h <= 11; ++h)
        EXPECT_NEAR(curve.hourValue[h], 80 - 5 * h, 1e-9) << h;
    EXPECT_EQ(curve.firstPhase, " Falling ");
    EXPECT_EQ(curve.secondPhase, " Rising ");
    EXPECT_NEAR(curve.hourValue[23], 40.0, 1e-9);

    HourlyValues down{10, 30, 8};
    EXPECT_EQ(ComputeHourlyCurve(down).secondPhase, " Falling ");
}

TEST(HourlyCurve, ValuesOfZeroOrLessShowAsThree)
{
    HourlyValues values{0, -4, 60};
    const HourlyCurve curve = ComputeHourlyCurve(values);
    EXPECT_EQ(values.previousValue, 3);
    EXPECT_EQ(values.dayValue, 4);  // lifted: the first half was flat at 3
    EXPECT_EQ(curve.hourValue[0], 3.0);
    EXPECT_EQ(curve.hourValue[24], 61.0);
}

TEST(HourlyCurve, HeadingsAndTitles)
{
    EXPECT_EQ(HourlyChartHeading(1), "Hourly Analysis: Emotional  [24 Hours Scale]");
    EXPECT_EQ(HourlyChartHeading(3), "Hourly Analysis: Intellectual  [24 Hours Scale]");
    EXPECT_EQ(HourlyChartHeading(0), "Hourly Analysis: Fortune  [24 Hours Scale]");
    EXPECT_EQ(HourlyChartHeading(9), "Hourly Analysis: Fortune  [24 Hours Scale]");
    EXPECT_EQ(HourlyTitle({3, 15, 2004}, "Anna Lee", false, 3),
              "Hourly Analysis - March 15, 2004  - Anna Lee -  Automatic Calibration   Reading -Intellectual");
    EXPECT_EQ(HourlyTitle({12, 1, 1999}, "Bo", true, 6),
              "Hourly Analysis - December 1, 1999  - Bo -  Manual Calibration");
    EXPECT_EQ(HourlyTitleSuffix(4), "   Reading - Intuition");
}
