#include "app/CommandLine.h"
#include "app/LastProfile.h"
#include "platform/Clock.h"
#include "reports/Icalendar.h"
#include "reports/ReportJson.h"
#include "schedule/PlainReport.h"
#include "support/TempEnvironment.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

namespace {
struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunCommand(const std::vector<std::string>& arguments)
{
    std::ostringstream out, err;
    const int status = RunCoreCommand(ReadCommandLine("/opt/x/Kestrane", arguments), out, err);
    return {status, out.str(), err.str()};
}

// Ann is born on 4 March 1970; Gone is listed without a file, Odd's file is a folder.
class CommandEnvironment : public TempEnvironment {
public:
    CommandEnvironment()
    {
        std::ofstream(InstallDir() + "Ann.ini")
            << "Profile:Ann\nName:Ann Lee\nYourMonth:3\nYourDate:4\nYourYear:1970\n";
        std::ofstream(InstallDir() + "mv.ini") << "Profile:Ann Lee\nDescription:Ann\nAdjustment:Automatic\n"
                                                  "Profile:Gone Lee\nDescription:Gone\nAdjustment:Automatic\n"
                                                  "Profile:Odd Lee\nDescription:Odd\nAdjustment:Manual\n";
        fs::create_directory(InstallDir() + "Odd.ini");
    }
};

std::string Unfolded(const std::string& text)
{
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 3, "\r\n ") == 0)
            i += 2;
        else
            plain += text[i];
    }
    return plain;
}
}

TEST(CommandLine, RefusalsSayWhyOnOneLineAndPrintNothing)
{
    CommandEnvironment env;
    const std::string install = env.InstallDir();
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"report", "--profile", "Ann", "--frob"}, "unknown option '--frob' for report"},
        {{"report", "Ann"}, "unexpected argument 'Ann' for report"},
        {{"report"}, "report needs --profile DESCRIPTION"},
        {{"report", "--profile"}, "option --profile needs a value"},
        {{"report", "--profile", "Bob"}, "unknown profile 'Bob' (Kestrane profiles lists them)"},
        {{"open", "--profile=Bob"}, "unknown profile 'Bob' (Kestrane profiles lists them)"},
        {{"report", "--profile", "Gone"}, "cannot read the profile 'Gone': " + install + "Gone.ini"},
        {{"picture", "--profile", "Odd", "--output", "x.jpg"}, "cannot read the profile 'Odd': " + install + "Odd.ini"},
        {{"report", "--profile", "Ann", "--date", "2026-02-29"}, "'2026-02-29' is not a date (YYYY-MM-DD)"},
        {{"report", "--profile", "Ann", "--date", "1900-02-29"}, "'1900-02-29' is not a date (YYYY-MM-DD)"},
        {{"report", "--profile", "Ann", "--date", "2026-1-05"}, "'2026-1-05' is not a date (YYYY-MM-DD)"},
        {{"report", "--profile", "Ann", "--date", "2100-01-01"}, "'2100-01-01' lies outside 1900-2099"},
        {{"report", "--profile", "Ann", "--date", "1970-03-03"},
         "You can't analyze a date before your birth date.     "},
        {{"open", "--profile", "Ann", "--date", "1970-03-03"}, "You can't analyze a date before your birth date.     "},
        {{"report", "--profile", "Ann", "--days", "0"}, "--days takes a number from 1 to 3660, not '0'"},
        {{"report", "--profile", "Ann", "--days", "3661"}, "--days takes a number from 1 to 3660, not '3661'"},
        {{"report", "--profile", "Ann", "--days", "-3"}, "--days takes a number from 1 to 3660, not '-3'"},
        {{"report", "--profile", "Ann", "--date", "2099-12-25", "--days", "8"},
         "--days 8 from 2099-12-25 runs past 2099-12-31"},
        {{"report", "--profile", "Ann", "--format", "xml"}, "unknown format 'xml' for report (text, json or ics)"},
        {{"profiles", "--format", "ics"}, "unknown format 'ics' for profiles (text or json)"},
        {{"picture", "--profile", "Ann"}, "picture needs --output FILE"},
        {{"picture", "--profile", "Ann", "--days", "6", "--output", "x.png"},
         "--days takes a number from 7 to 92 for picture, not '6'"},
        {{"picture", "--profile", "Ann", "--days", "93", "--output", "x.png"},
         "--days takes a number from 7 to 92 for picture, not '93'"},
        {{"picture", "--profile", "Ann", "--output", install + "mv.ini"},
         "will not write '" + install + "mv.ini' among Moravel's own files (name it .jpg or .png)"},
        {{"picture", "--profile", "Ann", "--output", install + "moravel.png"},
         "will not write '" + install + "moravel.png': it is one of Moravel's own files"},
        {{"picture", "--profile", "Ann", "--output", install + "Reports/../Kestrane"},
         "will not write '" + install + "Reports/../Kestrane' among Moravel's own files (name it .jpg or .png)"},
        {{"--help", "frob"}, "unknown command 'frob'"},
        {{"--version", "--profile"}, "unknown option '--profile' for --version"},
    };
    for (const auto& [arguments, message] : cases) {
        const Outcome run = RunCommand(arguments);
        EXPECT_EQ(run.status, 2) << message;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "Kestrane: " + message + "\n");
    }
    // The last day a report may reach, a picture name in InstallDir, and help on one command.
    EXPECT_EQ(RunCommand({"report", "--profile", "Ann", "--date", "2099-12-25", "--days", "7"}).status, 0);
    EXPECT_EQ(ReadCommandLine("Kestrane", {"picture", "--profile", "Ann", "--output", install + "a.JPG"}).error, "");
    EXPECT_EQ(RunCommand({"report", "--help"}).out.rfind("Usage: Kestrane report --profile", 0), 0u);

    // Paths and Qt's options start the program as before; a mistyped word is refused with the usage.
    for (const std::vector<std::string>& other :
         {std::vector<std::string>{}, {"-platform", "offscreen"}, {install + "task.dtr"}})
        EXPECT_EQ(ReadCommandLine("Kestrane", other).kind, CommandKind::None);
    for (const char* word : {"reprot", "Report", "9"}) {
        const Outcome run = RunCommand({word, "--profile", "Ann"});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "Kestrane: unknown command '" + std::string(word) +
                               "'\nUsage: Kestrane [COMMAND [OPTIONS]]; Kestrane --help lists the commands.\n");
    }
}

TEST(CommandLine, ReportDaysAndProfilesList)
{
    CommandEnvironment env;
    const std::string path = env.InstallDir() + "Ann.ini";
    // Three days across a year end, each the scheduled mail's text, one empty line between.
    const Outcome text = RunCommand({"report", "--profile", "Ann", "--date", "2004-12-31", "--days", "3"});
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.out, ComposePlainReport(path, {12, 31, 2004}) + "\n" + ComposePlainReport(path, {1, 1, 2005}) +
                            "\n" + ComposePlainReport(path, {1, 2, 2005}));
    // The profile is read once, while the command line is checked: no day reads it again.
    const CommandLine text3 = ReadCommandLine("Kestrane", {"report", "--profile", "Ann", "--date", "2004-12-31"});
    const CommandLine json3 = ReadCommandLine("Kestrane", {"report", "--profile=Ann", "--days=3", "--format=json"});
    const std::string textOut = ReportOutput(text3), jsonOut = ReportOutput(json3);
    fs::rename(path, path + ".away");
    EXPECT_EQ(ReportOutput(text3), textOut);
    EXPECT_EQ(ReportOutput(json3), jsonOut);
    fs::rename(path + ".away", path);

    const Outcome profiles = RunCommand({"profiles", "--format", "json"});
    EXPECT_EQ(profiles.out, "{\"profiles\": [{\"profile\": \"Ann\", \"fullName\": \"Ann Lee\", \"calibration\": "
                            "\"Automatic\"}, {\"profile\": \"Gone\", \"fullName\": \"Gone Lee\", \"calibration\": "
                            "\"Automatic\"}, {\"profile\": \"Odd\", \"fullName\": \"Odd Lee\", \"calibration\": "
                            "\"Manual\"}]}\n");
    EXPECT_EQ(RunCommand({"profiles"}).out,
              "Ann Lee\tAnn\tAutomatic\nGone Lee\tGone\tAutomatic\nOdd Lee\tOdd\tManual\n");
    fs::remove(env.InstallDir() + "mv.ini");
    EXPECT_EQ(RunCommand({"profiles", "--format=json"}).out, "{\"profiles\": []}\n");
}

// The worked example of the readings: the window's limited values, the texts
// without labels, and nulls for what the window does not show.
TEST(CommandLine, JsonOfOneDay)
{
    DailyRecord record;
    record.date = {3, 15, 2004};
    record.limited = {99, 20, 50, 10, 10};
    record.raw = {100, 20, 50, 10, 10};
    record.lottery = {8, 17, 20, 39, 49, 28};
    record.soulNumber = 8;
    record.zodiacSign = ZodiacSign::Leo;
    const std::string day = "{\"date\": \"2004-03-15\", \"emotional\": 99, \"physical\": 20, \"intellectual\": 50, "
                            "\"intuition\": 10, \"fortune\": 10, \"dayReading\": \"Normal Day\", \"evilEye\": "
                            "\"Susceptible to the Evil Eye\", \"lottery\": [8, 17, 20, 39, 49, 28], ";
    EXPECT_EQ(ReportJson("me", "Anna Lee", false, {record}),
              "{\"profile\": \"me\", \"fullName\": \"Anna Lee\", \"calibration\": \"Automatic\", \"days\": [" + day +
                  "\"soulNumber\": 8, \"zodiacSign\": \"Leo\"}]}\n");
    record.soulNumber = 10;
    record.zodiacSign.reset();
    EXPECT_NE(ReportJson("me", "", true, {record}).find("\"soulNumber\": null, \"zodiacSign\": null}"),
              std::string::npos);
}

// Hand-edited files may hold any bytes; what leaves is well-formed UTF-8 in both formats.
TEST(CommandLine, JsonAndCalendarTextsStayWellFormed)
{
    EXPECT_EQ(JsonString("a\"b\\c\n\x01 \xC3\xA9 \xFF\xC3"),
              "\"a\\\"b\\\\c\\u000a\\u0001 \xC3\xA9 \xEF\xBF\xBD\xEF\xBF\xBD\"");
    // Surrogates, code points above U+10FFFF and overlong forms are no characters.
    std::string replaced;
    for (int i = 0; i < 9; ++i)
        replaced += "\xEF\xBF\xBD";
    EXPECT_EQ(JsonString("\xED\xA0\x80\xF4\x90\x80\x80\xC0\xAF"), "\"" + replaced + "\"");
    EXPECT_EQ(CalendarText("a,b;c\\d\ne\r\x01\x7F\tf"), "a\\,b\\;c\\\\d\\ne\tf");

    // Folding: 75 octets at most, never inside a character, and unfolding gives the line back.
    const std::string name(40, 'x');
    std::string line = "SUMMARY:Good Day \u2013 ";
    for (int i = 0; i < 30; ++i)
        line += "\u00e9\u20ac";  // two and three octets
    const std::string folded = FoldedLine(line + name);
    EXPECT_EQ(Unfolded(folded), line + name + "\r\n");
    std::istringstream lines(folded);
    for (std::string piece; std::getline(lines, piece);) {
        ASSERT_FALSE(piece.empty());
        EXPECT_EQ(piece.back(), '\r');
        EXPECT_LE(piece.size() - 1, 75u);
        const std::size_t first = piece[0] == ' ' ? 1 : 0;
        EXPECT_NE(static_cast<unsigned char>(piece[first]) & 0xC0, 0x80) << piece;
    }
    EXPECT_EQ(FoldedLine(std::string(75, 'a')), std::string(75, 'a') + "\r\n");
    EXPECT_EQ(FoldedLine(std::string(76, 'a')), std::string(75, 'a') + "\r\n a\r\n");

    // Days without a good or bad day still give a calendar with a component.
    const std::string quiet = ReportCalendar("a", "A", {{{1, 2, 2026}, {1, 3, 2026}, DayReading::Normal, "x"}}, 0);
    EXPECT_NE(quiet.find("BEGIN:VFREEBUSY\r\nUID:20260102-20260103-"), std::string::npos) << quiet;
    EXPECT_NE(quiet.find("DTSTART:20260102T000000Z\r\nDTEND:20260103T000000Z\r\nEND:VFREEBUSY\r\n"), std::string::npos);
}

// The menu's "Today's reading": today for the profile selected last, or the plain
// start when that profile is gone or none was selected.
TEST(CommandLine, TodayOpensTheProfileSelectedLast)
{
    CommandEnvironment env;
    SetTodayForTesting(Date{3, 15, 2004});
    const auto request = [] { return ReadCommandLine("/x/Kestrane", {"today"}).Request(); };
    EXPECT_EQ(request().profile, "");
    RememberSelectedProfile("Ann");
    EXPECT_EQ(request().profile, "Ann");
    ASSERT_TRUE(request().date);
    EXPECT_EQ(request().date->day, 15);
    RememberSelectedProfile("Gone");  // listed, but its file is missing
    const CommandLine gone = ReadCommandLine("/x/Kestrane", {"today"});
    EXPECT_EQ(gone.error, "");
    EXPECT_EQ(gone.kind, CommandKind::Open);
    EXPECT_EQ(gone.Request().profile, "");
    EXPECT_NE(ReadCommandLine("/x/Kestrane", {"today", "--profile", "Ann"}).error, "");
    SetTodayForTesting(std::nullopt);
}
