#include "platform/DataFile.h"
#include "schedule/TaskFile.h"
#include "support/TempEnvironment.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
void WriteRaw(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}
}

TEST(TaskFile, TimeLineKeepsTheTwentyFourHourClock)
{
    struct Case {
        int hour, minute;
        const char* text;
    };
    for (const Case c : {Case{7, 5, "7:5AM"},
                         {12, 0, "12:0PM"},
                         {11, 59, "11:59AM"},
                         {23, 59, "23:59PM"},
                         {19, 30, "19:30PM"},
                         {1, 0, "1:0AM"}})
        EXPECT_EQ(FormatTaskTime(c.hour, c.minute), c.text);
    struct Shown {
        const char *stored, *shown;
    };
    for (const Shown c : {Shown{"12:0PM", "12:00 PM"},
                          {"7:5AM", "7:05 AM"},
                          {"19:30PM", "7:30 PM"},
                          {"0:5AM", "12:05 AM"},
                          {"23:59PM", "11:59 PM"},
                          {"", ""},
                          {"7:5", "7:5"},
                          {"24:0PM", "24:0PM"},
                          {"7:5AMx", "7:5AMx"}})
        EXPECT_EQ(DisplayTaskTime(c.stored), c.shown) << c.stored;
}

TEST(TaskFile, WriteThenReadBack)
{
    TempEnvironment env;
    const TaskFile task{env.InstallDir() + "Anna.ini", "anna@example.org", 7, 5, 1};
    ASSERT_TRUE(WriteTaskFile(task));
    std::ifstream in(TaskFilePath());
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(text, "Profile:" + env.InstallDir() + "Anna.ini\nEmail:anna@example.org\nTime:7:5AM\nType:1\n");

    const TaskFileContents read = ReadTaskFile();
    EXPECT_TRUE(read.IsPresent());
    EXPECT_EQ(read.profilePath, task.profilePath);
    EXPECT_EQ(read.email, task.email);
    EXPECT_EQ(read.times, std::vector<std::string>{"7:5AM"});
    EXPECT_EQ(read.UnattendedType(), 1);

    std::filesystem::remove_all(env.InstallDir());
    EXPECT_FALSE(WriteTaskFile(task));
}

TEST(TaskFile, ReadersRules)
{
    TempEnvironment env;
    struct Case {
        const char* what;
        std::string text;
        bool present;
        std::string email;
        std::string type;
        int unattendedType;
        std::size_t times;
    };
    const Case cases[] = {
        {"only Profile and Email", "Profile:/x/A.ini\nEmail:a@b\n", true, "a@b", "", 0, 0},
        {"empty Email is no task", "Profile:/x/A.ini\nEmail:\nTime:7:5AM\nType:1\n", false, "", "1", 1, 1},
        {"a later empty Email replaces", "Profile:/x/A.ini\nEmail:a@b\nEmail:\n", false, "", "", 0, 0},
        {"blank after the colon is kept", "Profile:/x/A.ini\nEmail: a@b\r\nType: 1\r\n", true, " a@b", " 1", 1, 0},
        {"Type 2 is plain text unattended", "Profile:p\nEmail:e\nType:2\n", true, "e", "2", 0, 0},
        {"non-numeric Type", "Profile:p\nEmail:e\nType:full\n", true, "e", "full", 0, 0},
        {"Type with trailing letters", "Profile:p\nEmail:e\nType:1x\n", true, "e", "1x", 1, 0},
        {"every Time is kept, other keys skipped", "Time:7:5AM\nemail:x\nTime:8:0AM\nTYPE:1\n", false, "", "", 0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteRaw(TaskFilePath(), c.text);
        const TaskFileContents read = ReadTaskFile();
        EXPECT_EQ(read.IsPresent(), c.present);
        EXPECT_EQ(read.email, c.email);
        EXPECT_EQ(read.type, c.type);
        EXPECT_EQ(read.UnattendedType(), c.unattendedType);
        EXPECT_EQ(read.times.size(), c.times);
    }
    EXPECT_FALSE(ReadTaskFile(env.InstallDir() + "missing.dtr").IsPresent());
}

TEST(TaskFile, ScheduledProfileIsFoundByFileName)
{
    TempEnvironment env;
    EXPECT_FALSE(IsProfileScheduled(env.InstallDir() + "Anna.ini"));
    WriteRaw(TaskFilePath(), "Profile:/old/place/Anna.ini\nProfile:/x/Bob.ini\nEmail:a@b\n");
    struct Case {
        std::string path;
        bool scheduled;
    };
    const Case cases[] = {
        {env.InstallDir() + "Anna.ini", true},  // an earlier Profile line counts too
        {"/elsewhere/Bob.ini", true},
        {env.InstallDir() + "anna.ini", false},
        {env.InstallDir() + "Carl.ini", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsProfileScheduled(c.path), c.scheduled) << c.path;

    // Without a short extension both names are empty, and empty names match.
    WriteRaw(TaskFilePath(), "Profile:/x/Anna.profile\nEmail:a@b\n");
    EXPECT_TRUE(IsProfileScheduled("/y/Bob.profile"));
    EXPECT_FALSE(IsProfileScheduled("/y/Bob.ini"));
}

TEST(TaskFile, DeleteMakesWritableFirst)
{
    TempEnvironment env;
    WriteRaw(TaskFilePath(), "Profile:p\n");
    ::chmod(TaskFilePath().c_str(), 0444);
    DeleteTaskFile();
    EXPECT_FALSE(FileExists(TaskFilePath()));
}
