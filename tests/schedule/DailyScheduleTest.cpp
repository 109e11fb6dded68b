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
    const std::pair<std::string, std::string> cases[] = {{"", "Please enter Email Address first.    "},
                                                         {"a@" + std::string(98, 'b'), ""},
                                                         {"a@" + std::string(99, 'b'), tooLong},
                                                         {"a@" + emoji, ""},
                                                         {"a@" + emoji + "b", tooLong},
                                                         {"anna.example.com", notValid},
                                                         {"a@b\nProfile:/tmp/x.ini", notValid},
                                                         {"anna@example.com", ""}};
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

TEST(DailySchedule, FormOpensWithTheCurrentDelivery)
{
    struct Case {
        TaskFileContents task;
        int hour, minute, colour;
        Delivery delivery;
        std::string email;
    };
    const Case cases[] = {
        {{"/p.ini", "a@b.c", {"19:30PM", "7:5AM"}, "1", "both"}, 19, 30, 1, Delivery::Both, "a@b.c"},
        {{"/p.ini", "", {"7:5AM"}, "0", "notification"}, 7, 5, 0, Delivery::Notification, ""},
        {{"/p.ini", "a@b.c", {"24:0PM"}, "", ""}, 6, 0, 0, Delivery::Email, "a@b.c"},  // no hour of the list
        {{"", "a@b.c", {"7:5AM"}, "1", ""}, 6, 0, 0, Delivery::Email, ""},             // no delivery: defaults
    };
    for (const Case& c : cases) {
        const ScheduleForm form = FormOfTask(c.task);
        EXPECT_EQ(form.hour, c.hour) << c.task.times.front();
        EXPECT_EQ(form.minute, c.minute) << c.task.times.front();
        EXPECT_EQ(form.fullColour, c.colour);
        EXPECT_EQ(form.delivery, c.delivery);
        EXPECT_EQ(form.email, c.email);
    }
}
