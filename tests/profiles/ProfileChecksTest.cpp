#include "profiles/ProfileChecks.h"

#include <gtest/gtest.h>

TEST(ProfileChecks, ParentYearsBesideTheBirthYear)
{
    const std::string again = ".    \nPlease correct it and then try again.    ";
    const std::string young = " was younger than 10 years old when you were born" + again;
    const std::string motherYoung = "You indicated that your mother" + young;
    const std::string motherOlder = "You indicated that you are older than your mother" + again;
    // Mother in use, her year; father in use, his year; the message. The profile was born in 1966.
    const std::tuple<bool, int, bool, int, std::string> cases[] = {
        {false, 2000, false, 2000, ""},  // parents not in use are not checked
        {true, 1956, true, 1900, ""},    // ten at the birth is old enough
        {true, 1957, false, 1900, motherYoung},
        {true, 1966, false, 1900, motherYoung},  // the same year: not older, but too young
        {true, 1967, false, 1900, motherOlder},
        {false, 1900, true, 1980, "You indicated that you are older than your father" + again},
        {true, 1980, true, 1980, motherOlder},  // the mother is named first
        {true, 1940, true, 1960, "You indicated that your father" + young},
    };
    for (const auto& [mother, motherYear, father, fatherYear, message] : cases) {
        const ProfileRecord record{
            {}, {}, {8, 15, 1966}, mother, {12, 31, motherYear}, father, {1, 1, fatherYear}, false, {}, {}};
        EXPECT_EQ(ParentAgeMessage(record), message) << motherYear << " " << fatherYear;
    }
}

TEST(ProfileChecks, DaysBeforeTheBirthday)
{
    const std::string before = "You can't analyze a date before your birth date.     ";
    const std::pair<Date, std::string> cases[] = {{{8, 15, 1966}, ""},      {{8, 14, 1966}, before},
                                                  {{7, 31, 1966}, before},  {{9, 1, 1966}, ""},
                                                  {{12, 31, 1965}, before}, {{1, 1, 1967}, ""}};
    for (const auto& [day, message] : cases)
        EXPECT_EQ(BeforeBirthMessage({8, 15, 1966}, day), message) << day.month << "/" << day.day << "/" << day.year;
}
