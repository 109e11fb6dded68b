#include "schedule/DailySchedule.h"

#include <algorithm>
#include <gtest/gtest.h>

TEST(DailySchedule, AddressChecks)
{
    std::string emoji;  // 98 characters in 392 bytes
    for (int i = 0; i < 98; ++i)
        emoji += "\xF0\x9F\x98\x80";
    const std::string tooLong = "Email Address is limited to 100 characters.    ";
    const std::string notValid = "Email Address is not valid.     ";
    const std::pair<std::string, std::string> cases[] = {
        {"", "Please enter Email Address first.    "}, {"a@" + std::string(98, 'b'), ""},
        {"a@" + std::string(99, 'b'), tooLong},      {"a@" + emoji, ""},
        {"a@" + emoji + "b", tooLong},               {"anna.example.com", notValid},
        {"a@b\nProfile:/tmp/x.ini", notValid},       {"anna@example.com", ""}};
    for (const auto& [email, message] : cases)
        EXPECT_EQ(AddressMessage(email), message) << email;
}

TEST(DailySchedule, StepsStopAtTheFirstFailure)
{
    const std::string failures[] = {"Unable to save profile.    ", "Unable to start Task Scheduler.    ",
                                    "Unable to schedule Daily Report.    ", "Unable to activate Daily Report.    ", ""};
    std::vector<ScheduleStep> steps = ScheduleSteps(TaskFile{});
    ASSERT_EQ(steps.size(), 4u);
    for (std::size_t failing = 0; failing <= steps.size(); ++failing) {
        std::size_t ran = 0;
        for (std::size_t i = 0; i < steps.size(); ++i)
            steps[i].run = [&ran, i, failing] { return ++ran, i != failing; };
        EXPECT_EQ(RunScheduleSteps(steps), failures[failing]) << failing;
        EXPECT_EQ(ran, std::min(failing + 1, steps.size())) << failing;
    }
}
