#include "schedule/Crontab.h"

#include <gtest/gtest.h>

using Crontab::WorkItemState;

namespace {
const std::string kOtherLines = "# m h dom mon dow command\n"
                                "SHELL=/bin/bash\n"
                                "MAILTO=\"someone@example.org\"\n"
                                "\n"
                                "*/5 * * * * /usr/bin/backup --quiet  # nightly? no, every five minutes\n"
                                "@reboot   echo 'hello'\t>/dev/null\n";

const std::string kCommand = "cd '/d/' && '/d/Kestrane' '/d/task.dtr'";
}

TEST(Crontab, OtherLinesSurviveAddActivateRemove)
{
    const std::string added = Crontab::AddDisabledWorkItem(kOtherLines, kCommand);
    EXPECT_EQ(added, kOtherLines + "# " + kCommand + " # Daily Analysis Report\n");
    EXPECT_EQ(Crontab::FindWorkItem(added), WorkItemState::Disabled);

    const std::string active = Crontab::ActivateWorkItem(added, 23, 59, kCommand);
    EXPECT_EQ(active, kOtherLines + "59 23 * * * " + kCommand + " # Daily Analysis Report\n");
    EXPECT_EQ(Crontab::FindWorkItem(active), WorkItemState::Enabled);

    // A new time replaces the line in place.
    EXPECT_EQ(Crontab::ActivateWorkItem(active, 7, 5, kCommand),
              kOtherLines + "5 7 * * * " + kCommand + " # Daily Analysis Report\n");

    EXPECT_EQ(Crontab::RemoveWorkItem(active), kOtherLines);
    EXPECT_EQ(Crontab::FindWorkItem(kOtherLines), WorkItemState::Missing);
}

TEST(Crontab, EmptyTablesAndMissingLineEnds)
{
    const std::string line = "# " + kCommand + " # Daily Analysis Report\n";
    EXPECT_EQ(Crontab::AddDisabledWorkItem("", kCommand), line);
    EXPECT_EQ(Crontab::RemoveWorkItem(line), "");

    // crontab refuses a table whose last line lacks its end, so it gains one.
    EXPECT_EQ(Crontab::AddDisabledWorkItem("0 1 * * * job", kCommand), "0 1 * * * job\n" + line);
    // A last line without an end stays as it is when the item elsewhere goes.
    EXPECT_EQ(Crontab::RemoveWorkItem(line + "0 1 * * * job"), "0 1 * * * job");
    // The item as the last line without an end.
    const std::string unended = "A=1\n10 9 * * * x # Daily Analysis Report";
    EXPECT_EQ(Crontab::RemoveWorkItem(unended), "A=1\n");
    EXPECT_EQ(Crontab::ActivateWorkItem(unended, 1, 2, kCommand),
              "A=1\n2 1 * * * " + kCommand + " # Daily Analysis Report\n");
}

TEST(Crontab, StatesOfMarkedLines)
{
    EXPECT_EQ(Crontab::FindWorkItem("  # x # Daily Analysis Report\n"), WorkItemState::Disabled);
    EXPECT_EQ(Crontab::FindWorkItem("#1 2 * * * x # Daily Analysis Report \r\n"), WorkItemState::Disabled);
    EXPECT_EQ(Crontab::FindWorkItem("1 2 * * * x # Daily Analysis Report\t\n"), WorkItemState::Enabled);
    EXPECT_EQ(Crontab::FindWorkItem("1 2 * * * x # Daily Analysis Report later\n"), WorkItemState::Missing);
    EXPECT_EQ(Crontab::FindWorkItem("1 2 * * * x # daily analysis report\n"), WorkItemState::Missing);
    // Any active marked line counts, wherever it stands.
    EXPECT_EQ(Crontab::FindWorkItem("# a # Daily Analysis Report\n1 2 * * * b # Daily Analysis Report\n"),
              WorkItemState::Enabled);

    // Duplicates (hand edits) collapse into one line on activation and all go on removal.
    const std::string twice = "A=1\n# a # Daily Analysis Report\nB=2\n# b # Daily Analysis Report\nC=3\n";
    EXPECT_EQ(Crontab::ActivateWorkItem(twice, 6, 0, "c"), "A=1\n0 6 * * * c # Daily Analysis Report\nB=2\nC=3\n");
    EXPECT_EQ(Crontab::RemoveWorkItem(twice), "A=1\nB=2\nC=3\n");
    EXPECT_EQ(Crontab::ActivateWorkItem("A=1\n", 6, 0, "c"), "A=1\n");
}

TEST(Crontab, CommandQuotesPathsAndPassesTheDataFolder)
{
    // The data folder is always given, so cron's own HOME cannot move InstallDir.
    EXPECT_EQ(Crontab::WorkItemCommand("/home/u/.local/share/moravel/", "/home/u/.local/share/moravel/Kestrane"),
              "cd '/home/u/.local/share/moravel/' && XDG_DATA_HOME='/home/u/.local/share' "
              "'/home/u/.local/share/moravel/Kestrane' '/home/u/.local/share/moravel/task.dtr'");
    // A packaged program runs from its own folder on the data in InstallDir.
    EXPECT_EQ(Crontab::WorkItemCommand("/home/u/.local/share/moravel/", "/usr/libexec/moravel/Kestrane"),
              "cd '/home/u/.local/share/moravel/' && XDG_DATA_HOME='/home/u/.local/share' "
              "'/usr/libexec/moravel/Kestrane' '/home/u/.local/share/moravel/task.dtr'");
    EXPECT_EQ(Crontab::WorkItemCommand("/x y/moravel/", "/x y/moravel/Kestrane"),
              "cd '/x y/moravel/' && XDG_DATA_HOME='/x y' '/x y/moravel/Kestrane' '/x y/moravel/task.dtr'");
    EXPECT_EQ(Crontab::WorkItemCommand("/moravel/", "/moravel/Kestrane"),
              "cd '/moravel/' && XDG_DATA_HOME='/' '/moravel/Kestrane' '/moravel/task.dtr'");
    // Quotes close around cron's "%", so a backslash before it stays the text's own.
    EXPECT_EQ(Crontab::CronQuote("it's 5%\\%"), "'it'\\''s 5'\\%'\\'\\%''");
    EXPECT_EQ(Crontab::WorkItemCommand("/a\nb/", "/a\nb/Kestrane"), "");
}

// Moving to the packaged program keeps the delivery's time, its state and the
// user's other lines.
TEST(Crontab, RetargetKeepsTimeAndState)
{
    const std::string other = "MAILTO=me\n5 4 * * * /usr/bin/true\n";
    const std::string marker = " " + Crontab::WorkItemMarker;
    for (const auto& [line, expected] : std::vector<std::pair<std::string, std::string>>{
             {"30 7 * * * old" + marker, "30 7 * * * new" + marker},
             {"# old" + marker, "# new" + marker},
             {"*/5 7 * * * old" + marker, "*/5 7 * * * old" + marker},  // not ours to rewrite
         }) {
        EXPECT_EQ(Crontab::RetargetWorkItem(other + line + "\n", "new"), other + expected + "\n") << line;
    }
    EXPECT_EQ(Crontab::RetargetWorkItem(other, "new"), other);
    EXPECT_EQ(Crontab::RetargetWorkItem("1 2 * * * a" + marker + "\n# b" + marker + "\n", "new"),
              "1 2 * * * new" + marker + "\n");
}
