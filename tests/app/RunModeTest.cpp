#include "app/RunMode.h"
#include "support/TempEnvironment.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

TEST(RunMode, OnlyTheExactTaskPathWithACompleteTaskRunsUnattended)
{
    TempEnvironment env;
    const std::string taskPath = env.InstallDir() + "task.dtr";
    const std::string complete = "Profile:" + env.InstallDir() + "Anna.ini\nEmail:a@b.org\nTime:7:5AM\nType:1\n";
    struct Case {
        const char* what;
        std::vector<std::string> arguments;
        std::string taskText;  // empty: no task file
        bool unattended;
        bool silentWithoutDisplay;  // the task is gone and no window can be shown
    };
    std::string upper = taskPath;
    upper[upper.size() - 8] = 'T';  // "Task.dtr"
    const std::string folder = env.InstallDir();
    const Case cases[] = {
        {"exact path", {taskPath}, complete, true, false},
        {"arguments joined with a blank the path lacks",
         {folder.substr(0, 5), folder.substr(5) + "task.dtr"},
         complete,
         false,
         false},
        {"other letter case", {upper}, complete, false, false},
        {"extra argument", {taskPath, "x"}, complete, false, false},
        {"trailing blank", {taskPath + " "}, complete, false, false},
        {"no arguments", {}, complete, false, false},
        {"task file without Email", {taskPath}, "Profile:" + folder + "Anna.ini\nTime:7:5AM\nType:1\n", false, true},
        {"notification without an address",
         {taskPath},
         "Profile:" + folder + "Anna.ini\nEmail:\nDelivery:notification\n",
         true,
         false},
        {"task file with an empty Profile", {taskPath}, "Profile:\nEmail:a@b.org\n", false, true},
        {"no task file", {taskPath}, "", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(taskPath);
        if (!c.taskText.empty())
            std::ofstream(taskPath) << c.taskText;
        const RunModeChoice choice = ChooseRunMode(c.arguments);
        EXPECT_EQ(choice.unattended, c.unattended);
        EXPECT_EQ(EndsSilently(choice, false), c.silentWithoutDisplay);
        EXPECT_FALSE(EndsSilently(choice, true));  // with a display: the interactive run
        if (c.unattended && c.taskText == complete) {
            EXPECT_EQ(choice.task.email, "a@b.org");
            EXPECT_EQ(choice.task.UnattendedType(), 1);
        }
    }

    // A folder with a blank, given as two arguments, still names the task file.
    ::setenv("XDG_DATA_HOME", (env.Root() + "/da ta").c_str(), 1);
    std::filesystem::create_directories(env.Root() + "/da ta/moravel");
    std::ofstream(env.Root() + "/da ta/moravel/task.dtr") << "Profile:p\nEmail:e\n";
    EXPECT_TRUE(ChooseRunMode({env.Root() + "/da", "ta/moravel/task.dtr"}).unattended);
}

// Any display server, or a platform chosen by hand such as "offscreen", can show a
// window; cron sets none of them, and an empty value counts as unset.
TEST(RunMode, DisplayIsAServerOrAChosenPlatform)
{
    EXPECT_FALSE(DisplayAvailable(nullptr, nullptr, nullptr));
    EXPECT_FALSE(DisplayAvailable("", "", ""));
    EXPECT_TRUE(DisplayAvailable(":0", nullptr, nullptr));
    EXPECT_TRUE(DisplayAvailable(nullptr, "wayland-0", nullptr));
    EXPECT_TRUE(DisplayAvailable(nullptr, nullptr, "offscreen"));
    // A platform that needs a server it is not given cannot start.
    EXPECT_FALSE(DisplayAvailable(nullptr, "wayland-0", "xcb"));
    EXPECT_FALSE(DisplayAvailable(":0", nullptr, "wayland-egl"));
    EXPECT_TRUE(DisplayAvailable(":0", nullptr, "wayland;xcb"));
}

TEST(RunMode, ScreenRules)
{
    struct ScreenCase {
        int width, depth;
        bool adequate;
    };
    for (const ScreenCase c :
         {ScreenCase{1024, 8, false}, {800, 16, true}, {799, 32, false}, {800, 24, true}, {1920, 4, false}})
        EXPECT_EQ(ScreenIsAdequate(c.width, c.depth), c.adequate) << c.width << "x" << c.depth;
}

TEST(RunMode, DisplaySettingsProgramIsTheFirstFoundOnPath)
{
    TempEnvironment env;
    const std::string bin = env.Root() + "/bin";
    std::filesystem::create_directories(bin);
    const char* oldPath = std::getenv("PATH");
    const std::string savedPath = oldPath ? oldPath : "";
    ::setenv("PATH", bin.c_str(), 1);
    EXPECT_TRUE(DisplaySettingsCommand().empty());

    const auto install = [&](const std::string& name) {
        std::ofstream(bin + "/" + name) << "#!/bin/sh\n";
        std::filesystem::permissions(bin + "/" + name, std::filesystem::perms::owner_all);
    };
    install("xfce4-display-settings");
    EXPECT_EQ(DisplaySettingsCommand(), std::vector<std::string>{bin + "/xfce4-display-settings"});
    install("systemsettings");
    EXPECT_EQ(DisplaySettingsCommand(), (std::vector<std::string>{bin + "/systemsettings", "kcm_kscreen"}));
    install("gnome-control-center");
    EXPECT_EQ(DisplaySettingsCommand(), (std::vector<std::string>{bin + "/gnome-control-center", "display"}));
    ::setenv("PATH", savedPath.c_str(), 1);
}
