#include "platform/Centring.h"
#include "platform/Clock.h"
#include "platform/DataFile.h"
#include "platform/Installation.h"
#include "platform/Paths.h"
#include "platform/Process.h"
#include "platform/SessionPlatform.h"
#include "support/TempEnvironment.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(Paths, InstallDirFollowsXdgDataHomeElseHome)
{
    TempEnvironment env;
    EXPECT_EQ(InstallDir(), env.Root() + "/data/moravel/");
    EXPECT_EQ(ReportsDir(), env.Root() + "/data/moravel/Reports/");
    ::setenv("XDG_DATA_HOME", "relative/path", 1);
    EXPECT_EQ(InstallDir(), env.Root() + "/home/.local/share/moravel/");
    ::setenv("XDG_DATA_HOME", ("//" + env.Root() + "/./a#b?%41//").c_str(), 1);
    EXPECT_EQ(InstallDir(), env.Root() + "/a#b?%41/moravel/");
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(InstallDir(), env.Root() + "/home/.local/share/moravel/");
}

TEST(Paths, FileNameOfPathNeedsAShortExtension)
{
    const std::pair<std::string, std::string> cases[] = {
        {"/a/b/Anna.ini", "Anna.ini"}, {"/a/b/report.jpeg", ""},  // four letters after the dot
        {"/a/b/noextension", ""},      {"x.c", "x.c"},            // shorter than 4 characters
        {"/a/b/pic.gi", "pic.gi"},     {"/a/b/pic.g", "pic.g"},
    };
    for (const auto& [path, name] : cases)
        EXPECT_EQ(FileNameOfPath(path), name) << path;
}

TEST(DataFile, AtomicWriteReplacesAndReadsBackInPieces)
{
    TempEnvironment env;
    const std::string path = env.InstallDir() + "x.ini";
    ASSERT_TRUE(WriteFileAtomically(path, "A:1\r\nB:" + std::string(1200, 'z') + "\n"));
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadLinesBuffered(path, 500, lines));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "A:1");
    EXPECT_EQ(lines[1].size(), 499u);
    EXPECT_EQ(lines[3].size(), 1202u - 998u);
    EXPECT_FALSE(WriteFileAtomically(env.Root() + "/missing/folder/x", "y"));
}

TEST(DataFile, ParseLeadingIntIsAtoi)
{
    const std::pair<std::string, int> cases[] = {
        {"12", 12}, {"  -7x", -7}, {"+3", 3}, {"abc", 0}, {"", 0}, {"19x66", 19}, {"99999999999", 2147483647}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ParseLeadingInt(text), value) << text;
}

// XWayland is chosen only where it lets the windows place themselves and the user chose nothing.
TEST(SessionPlatform, XWaylandWhereBothDisplaysAndNoChoice)
{
    struct Case {
        const char *chosen, *wayland, *x11, *expected;
    };
    for (const Case c : {Case{nullptr, "wayland-0", ":0", "xcb"},
                         {"", "wayland-0", ":0", "xcb"},
                         {"wayland", "wayland-0", ":0", ""},
                         {"offscreen", "wayland-0", ":0", ""},
                         {nullptr, "wayland-0", nullptr, ""},
                         {nullptr, "wayland-0", "", ""},
                         {nullptr, nullptr, ":0", ""},
                         {nullptr, nullptr, nullptr, ""}})
        EXPECT_EQ(PlatformForSession(c.chosen, c.wayland, c.x11), c.expected)
            << (c.chosen ? c.chosen : "-") << " " << (c.wayland ? c.wayland : "-") << " " << (c.x11 ? c.x11 : "-");
}

TEST(Clock, FixedToday)
{
    SetTodayForTesting(Date{3, 15, 2004});
    EXPECT_EQ(Today(), (Date{3, 15, 2004}));
    SetTodayForTesting(std::nullopt);
}

TEST(Process, RunsWithInputAndReportsExitStatus)
{
    const ProcessResult cat = RunProcess({"cat"}, "hello", true);
    EXPECT_TRUE(cat.started);
    EXPECT_EQ(cat.exitCode, 0);
    EXPECT_EQ(cat.output, "hello");
    EXPECT_EQ(RunProcess({"false"}).exitCode, 1);
    EXPECT_FALSE(RunProcess({"no-such-program-moravel"}).started);
    EXPECT_EQ(RunProcess({"sh", "-c", "echo " + ShellQuote("it's a \"test\" $HOME")}, {}, true).output,
              "it's a \"test\" $HOME\n");
}

TEST(Centring, HalfTheRoomLeftOrZero)
{
    struct Case {
        int room, size, start;
    };
    for (const Case c :
         {Case{1024, 800, 112}, {801, 800, 0}, {802, 799, 1}, {800, 800, 0}, {640, 800, 0}, {600, 0, 300}})
        EXPECT_EQ(Centred(c.room, c.size), c.start) << c.room << " " << c.size;
}

// Empty and relative entries of a search path name no folder: the working folder is never searched.
TEST(Process, SearchFoldersAndTheFirstRunnableFile)
{
    using Folders = std::vector<std::string>;
    EXPECT_EQ(SearchFolders("/a:/b"), (Folders{"/a", "/b"}));
    EXPECT_EQ(SearchFolders(":/a::bin:./x:/b:"), (Folders{"/a", "/b"}));
    EXPECT_EQ(SearchFolders(""), Folders{});

    TempEnvironment env;
    for (const char* folder : {"/plain", "/run", "/dir/tool"})
        std::filesystem::create_directories(env.Root() + folder);
    std::ofstream(env.Root() + "/plain/tool") << "#!/bin/sh\n";
    std::ofstream(env.Root() + "/run/tool") << "#!/bin/sh\n";
    ::chmod((env.Root() + "/run/tool").c_str(), 0755);
    // A file without the run bit and a folder of the same name are passed over.
    const std::string path = env.Root() + "/plain:" + env.Root() + "/dir:" + env.Root() + "/run";
    EXPECT_EQ(FindOnPath("tool", path), env.Root() + "/run/tool");
    EXPECT_EQ(FindOnPath("tool", env.Root() + "/plain"), "");
    EXPECT_EQ(FindOnPath("sh", path), "");
}

// One build runs from the package, a source install and an extracted tree: the
// pictures are found from the program's own folder.
TEST(Installation, PicturesAndProgramsFromTheProgramsPlace)
{
    TempEnvironment env;
    const std::string tree = env.Root() + "/tree/usr";
    std::filesystem::create_directories(tree + "/libexec/moravel");
    std::filesystem::create_directories(tree + "/share/moravel");
    std::filesystem::create_directories(env.Root() + "/src");
    std::ofstream(tree + "/share/moravel/moravel.png") << "png";
    std::ofstream(env.Root() + "/src/moravel.png") << "png";
    const std::string install = env.InstallDir();
    struct Case {
        std::string folder;
        bool packaged;
        std::string programs, pictures;
    };
    for (const Case& c :
         std::vector<Case>{{tree + "/libexec/moravel/", true, tree + "/libexec/moravel/", tree + "/share/moravel/"},
                           {tree + "/libexec/moravel", true, tree + "/libexec/moravel/", tree + "/share/moravel/"},
                           {env.Root() + "/src/", false, env.Root() + "/src/", env.Root() + "/src/"},
                           {env.Root() + "/build/app/", false, install, install},        // a build tree: InstallDir
                           {env.Root() + "/libexec/moravel/", false, install, install},  // no pictures beside it
                           {"", false, install, install}}) {
        const ProgramLayout layout = LayoutOf(c.folder);
        EXPECT_EQ(layout.packaged, c.packaged) << c.folder;
        EXPECT_EQ(layout.programs, c.programs) << c.folder;
        EXPECT_EQ(layout.pictures, c.pictures) << c.folder;
    }
}
