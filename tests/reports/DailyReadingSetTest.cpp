#include "reports/DailyReadingSet.h"
#include "platform/DataFile.h"
#include "support/TempEnvironment.h"

#include <gtest/gtest.h>

namespace {
std::string Group(const std::string& prefix, const Date& d)
{
    return prefix + "Month:" + std::to_string(d.month) + "\n" + prefix + "Date:" + std::to_string(d.day) + "\n" +
           prefix + "Year:" + std::to_string(d.year) + "\n";
}

struct ProfileText {
    std::string name = "Anna Lee";
    Date birthday{8, 15, 1966};
    std::optional<Date> mother, father, good, bad;

    std::string Text() const
    {
        std::string text = "Profile:test\nName:" + name + "\n" + Group("Your", birthday);
        if (mother)
            text += Group("Mother", *mother);
        if (father)
            text += Group("Father", *father);
        if (bad)
            text += Group("Bad", *bad);
        if (good)
            text += Group("Good", *good);
        return text;
    }
};

class EngineTest : public ::testing::Test {
protected:
    std::string Write(const ProfileText& profile)
    {
        const std::string path = env.InstallDir() + "test.ini";
        EXPECT_TRUE(WriteFileAtomically(path, profile.Text()));
        return path;
    }
    DailyRecord Record(const ProfileText& profile, const Date& date)
    {
        return ComputeDailyRecord(ReadProfileFile(Write(profile)), date);
    }

    TempEnvironment env;
};

PersonalNumbers Numbers(int birth, int mother, int father, int good, int bad)
{
    return {birth, mother, father, good, bad};
}

ProfileText Born(Date birthday, std::optional<Date> mother = {}, std::optional<Date> father = {})
{
    ProfileText p;
    p.birthday = birthday;
    p.mother = mother;
    p.father = father;
    return p;
}

ProfileText Manual(Date good, Date bad)
{
    ProfileText p;
    p.good = good;
    p.bad = bad;
    return p;
}
}

void PrintTo(const PersonalNumbers& n, std::ostream* out)
{
    *out << n.birthNumber << "/" << n.motherNumber << "/" << n.fatherNumber << "/" << n.goodNumber << "/"
         << n.badNumber;
}

TEST_F(EngineTest, CalibrationStepsRunInOrder)
{
    struct Case {
        const char* what;
        ProfileText profile;
        PersonalNumbers expected;
    };
    const Case cases[] = {
        {"worked example, no parents", {}, Numbers(8, 3, 1, 2, 7)},
        // Sum 9 gives 1; the father 1 then meets it in step 15.
        {"sum below 10 gives 1", Born({1, 1, 1970}), Numbers(1, 3, 2, 4, 2)},
        // Step 12 makes the mother 8, so step 14 no longer applies; the bad number 8 meets step 18.
        {"birth and mother both 9", Born({9, 9, 1999}, Date{9, 9, 1999}), Numbers(9, 8, 1, 8, 7)},
        // Step 15 doubles the father to 4; bad |2-4| = 2 meets the birth number and becomes 4.
        {"father equals birth", Born({1, 1, 1909}, {}, Date{1, 1, 1909}), Numbers(2, 3, 4, 5, 4)},
        // Mother and father both 1: step 16 makes the father 2, the bad number ends as 0.
        {"bad number 0", Born({1, 1, 1909}, Date{1, 1, 1908}), Numbers(2, 1, 4, 3, 0)},
        // Manual: good 1, bad 8 meets the birth number (7); the father 1 meets the good number (2).
        {"manual calibration", Manual({1, 1, 1970}, {8, 15, 1966}), Numbers(8, 3, 2, 1, 7)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Record(c.profile, {3, 15, 2004}).numbers, c.expected) << c.what;
    }
}

TEST_F(EngineTest, WorkedExampleGivesTheWholeSet)
{
    const DailyRecord record = Record({}, {3, 15, 2004});
    const std::string path = env.InstallDir() + "test.ini";
    EXPECT_EQ(record.hourCount, 24 * 13727);
    EXPECT_EQ(record.dayNumber, 4);
    EXPECT_EQ(record.raw[0], 100);  // the unlimited peak

    DailyReadingSet set;
    ComputeDailyReadingSet(set, path, 2004, 3, 15);
    EXPECT_EQ(set.title, "Daily Analysis - March 15, 2004  - Anna Lee -  Automatic Calibration");
    EXPECT_EQ(set.readings, (std::array<int, 5>{99, 20, 50, 10, 10}));
    EXPECT_EQ(set.dayReadingText, "Day Reading: Normal Day");
    EXPECT_EQ(set.evilEyeText, "Evil Eye Reading: Susceptible to the Evil Eye");
    EXPECT_EQ(set.lotteryText, "Lottery Numbers: 8  17  20  39  49  28 ");
    EXPECT_EQ(set.soulNumberText, "Soul Number: 8");
    EXPECT_EQ(set.zodiacText, "Zodiac Sign: Leo");
}

TEST_F(EngineTest, DayNumberMatchesFirstPersonalNumberInOrder)
{
    struct Case {
        const char* what;
        ProfileText profile;
        Date target;
        const char* day;
        const char* evilEye;
        int intuition, fortune;
    };
    const Case cases[] = {
        // Good and bad number both 9: good wins.
        {"good and bad",
         Manual({9, 9, 1999}, {9, 9, 1999}),
         {9, 9, 1999},
         "Day Reading: Good Day",
         "Evil Eye Reading: Not susceptible to the Evil Eye",
         70,
         50},
        // Father and bad number both 1: father wins.
        {"father and bad",
         Manual({4, 9, 1900}, {1, 8, 1901}),
         {1, 1, 1908},
         "Day Reading: Normal Day",
         "Evil Eye Reading: Susceptible to the Evil Eye",
         40,
         60},
        {"bad only",
         {},
         {1, 1, 1905},
         "Day Reading: Bad Day",
         "Evil Eye Reading: Someone put the Evil Eye on you",
         20,
         80},
        {"birth number, even day",
         {},
         {8, 8, 2000},
         "Day Reading: Good Day",
         "Evil Eye Reading: Not susceptible to the Evil Eye",
         90,
         30},
    };
    for (const Case& c : cases) {
        const DailyRecord record = Record(c.profile, c.target);
        EXPECT_EQ(DayReadingText(record), c.day) << c.what;
        EXPECT_EQ(EvilEyeText(record), c.evilEye) << c.what;
        EXPECT_EQ(record.raw[3], c.intuition) << c.what;
        EXPECT_EQ(record.raw[4], c.fortune) << c.what;
    }
}

TEST_F(EngineTest, OddInputsAndTheSetsLimits)
{
    DailyReadingSet set;
    set.title = "kept";
    ComputeDailyReadingSet(set, "", 2004, 3, 15);
    EXPECT_EQ(set.title, "kept");

    // A missing file reads as the defaults: 1 January 1900, no name.
    ComputeDailyReadingSet(set, env.InstallDir() + "missing.ini", 2004, 3, 15);
    EXPECT_EQ(set.title, "Daily Analysis - March 15, 2004  -  -  Automatic Calibration");
    EXPECT_EQ(set.zodiacText, "Zodiac Sign: Capricorn");

    // Before the birthday; a manual profile's title.
    ComputeDailyReadingSet(set, Write(Manual({1, 1, 1970}, {1, 2, 1970})), 1960, 12, 31);
    EXPECT_EQ(set.title, "Daily Analysis - December 31, 1960  - Anna Lee -  Manual Calibration");
    EXPECT_EQ(set.readings[0], 42);
    EXPECT_EQ(set.readings[1], 40);
    EXPECT_EQ(set.readings[2], 44);

    // Values beyond any range from a hand-edited file are computed without overflow.
    ProfileText odd;
    odd.birthday = {2147483647, -2147483647, 2147483647};
    ComputeDailyReadingSet(set, Write(odd), 2004, 3, 15);
    EXPECT_EQ(set.zodiacText, "");
    for (int value : set.readings) {
        EXPECT_GE(value, 3);
        EXPECT_LE(value, 99);
    }

    // Only 0 or less is raised to 3: the Physical low of 1 stays.
    ComputeDailyReadingSet(set, Write(Born({1, 1, 2000})), 2000, 1, 17);
    EXPECT_EQ(set.readings[1], 1);
}
