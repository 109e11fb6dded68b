// Hostile or broken files in the data folder: nothing is read without end, nothing
// unreadable is taken for empty or written over, nothing personal becomes public.
#include "mail/Contacts.h"
#include "platform/DataFile.h"
#include "platform/Paths.h"
#include "platform/Process.h"
#include "profiles/ProfileFiles.h"
#include "schedule/TaskFile.h"
#include "support/TempEnvironment.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tuple>
#include <utime.h>

namespace fs = std::filesystem;

namespace {
void Write(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::string Read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

mode_t ModeOf(const std::string& path)
{
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info.st_mode & 07777;
}
}

TEST(DataFileSafety, OnlyRegularFilesOfBoundedSizeAreRead)
{
    TempEnvironment env;
    const std::string dir = env.InstallDir();
    Write(dir + "ok.ini", "Name:Ann\n");
    Write(dir + "big.ini", std::string(MaxDataFileSize + 1, 'x'));
    fs::create_directory(dir + "folder.ini");
    ASSERT_EQ(::mkfifo((dir + "fifo.ini").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir + "zero.ini");
    fs::create_symlink(dir + "missing", dir + "dangling.ini");
    const std::pair<std::string, FileState> cases[] = {
        {dir + "ok.ini", FileState::Readable},     {dir + "absent.ini", FileState::Absent},
        {dir + "dangling.ini", FileState::Absent}, {dir + "absent/x.ini", FileState::Absent},
        {dir + "big.ini", FileState::Unreadable},  {dir + "folder.ini", FileState::Unreadable},
        {dir + "fifo.ini", FileState::Unreadable}, {dir + "zero.ini", FileState::Unreadable},
        {"/dev/zero", FileState::Unreadable},
    };
    for (const auto& [path, state] : cases) {
        std::vector<std::string> lines;
        EXPECT_EQ(ReadDataLines(path, 500, lines), state) << path;
        EXPECT_EQ(lines.empty(), state != FileState::Readable) << path;
    }
    // The scheduled run's readers, pointed at a device or a FIFO, end with the defaults.
    EXPECT_EQ(ReadProfileFile("/dev/zero").birthday.year, 1900);
    EXPECT_EQ(ReadProfileFile(dir + "fifo.ini").birthday.year, 1900);
    Write(dir + "task.dtr", "Profile:/dev/zero\nEmail:a@b\n");
    EXPECT_EQ(ReadTaskFile().profilePath, "/dev/zero");
}

TEST(DataFileSafety, WritesKeepTheModeRefuseWhatCannotBeReadAndStartPrivate)
{
    TempEnvironment env;
    const std::string dir = env.InstallDir();
    const mode_t oldMask = ::umask(022);
    ASSERT_TRUE(WriteFileAtomically(dir + "new.ini", "a\n"));
    EXPECT_EQ(ModeOf(dir + "new.ini"), 0600u);
    ::chmod((dir + "new.ini").c_str(), 0640);
    ASSERT_TRUE(WriteFileAtomically(dir + "new.ini", "b\n"));
    EXPECT_EQ(ModeOf(dir + "new.ini"), 0640u);
    // The folders Moravel makes are the user's alone; the ones above them are not ours.
    fs::remove_all(env.Root() + "/data");
    CreateInstallFolders();
    EXPECT_EQ(ModeOf(WithoutClosingSlash(dir)), 0700u);
    EXPECT_EQ(ModeOf(WithoutClosingSlash(ReportsDir())), 0700u);
    EXPECT_EQ(ModeOf(env.Root() + "/data"), 0755u);
    ::umask(oldMask);

    // Unreadable whatever the user: too big, or not a file at all.
    const std::string big(MaxDataFileSize + 1, 'x');
    Write(dir + "mv.ini", big);
    EXPECT_FALSE(SaveProfileIndex({{"Bob", "Bob", "Automatic"}}));
    EXPECT_EQ(Read(dir + "mv.ini"), big);
    fs::create_directory(dir + "contacts.ini");
    EXPECT_FALSE(WriteContacts(ContactsPath(), {{"Bob", "b@x"}}));
    std::vector<Contact> contacts;
    EXPECT_EQ(ReadContacts(ContactsPath(), contacts), FileState::Unreadable);
    EXPECT_TRUE(IndexExists(dir));  // an unreadable index is no first start
}

// Root reads any file, so permissions are tried as the unprivileged "nobody".
TEST(DataFileSafety, AFileTheUserMayNotReadIsNeverWrittenOver)
{
    TempEnvironment env;
    const std::string dir = env.InstallDir();
    Write(dir + "mv.ini", "Profile:Ann\nDescription:Ann\nAdjustment:Automatic\n");
    ::chmod((dir + "mv.ini").c_str(), 0);
    if (::geteuid() == 0) {
        for (const auto& entry : fs::recursive_directory_iterator(env.Root()))
            ::lchown(entry.path().c_str(), 65534, 65534);
        ::chown(env.Root().c_str(), 65534, 65534);
    }
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        std::vector<ProfileIndexEntry> list;
        const bool told = LoadProfileIndex(list) == FileState::Unreadable && list.empty();
        const bool kept = !SaveProfileIndex({{"Bob", "Bob", "Automatic"}});
        ::_exit(told && kept ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 3)
        GTEST_SKIP() << "cannot change to the user nobody";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    ::chmod((dir + "mv.ini").c_str(), 0600);
    EXPECT_EQ(Read(dir + "mv.ini"), "Profile:Ann\nDescription:Ann\nAdjustment:Automatic\n");
}

TEST(DataFileSafety, OnlyStaleTemporaryFilesOfOursAreRemoved)
{
    TempEnvironment env;
    const std::string dir = env.InstallDir();
    const std::time_t now = std::time(nullptr);
    const auto age = [&](const std::string& name) {
        const timeval old[2] = {{now - 100, 0}, {now - 100, 0}};
        ::lutimes((dir + name).c_str(), old);
    };
    Write(env.Root() + "/victim", "mine");
    for (const char* name : {".moravel-Ab12Cd", ".moravel-fresh1", ".moravel-toolong", "moravel-Ab12Cd", "Ann.ini"})
        Write(dir + name, "x");
    fs::create_symlink(env.Root() + "/victim", dir + ".moravel-link01");
    for (const char* name : {".moravel-Ab12Cd", ".moravel-toolong", "moravel-Ab12Cd", "Ann.ini", ".moravel-link01"})
        age(name);
    Write(env.Root() + "/lock", "");
    const timeval lockTime[2] = {{now - 10, 0}, {now - 10, 0}};
    ::lutimes((env.Root() + "/lock").c_str(), lockTime);
    EXPECT_EQ(RemoveStaleTemporaryFiles(dir, env.Root() + "/lock"), 1);
    EXPECT_FALSE(fs::exists(dir + ".moravel-Ab12Cd"));
    for (const char* name : {".moravel-fresh1", ".moravel-toolong", "moravel-Ab12Cd", "Ann.ini"})
        EXPECT_TRUE(fs::exists(dir + name)) << name;
    EXPECT_TRUE(fs::is_symlink(dir + ".moravel-link01"));
    EXPECT_EQ(Read(env.Root() + "/victim"), "mine");
}

TEST(DataFileSafety, DeletingAHardLinkLeavesTheOtherNamesMode)
{
    TempEnvironment env;
    const std::string dir = env.InstallDir();
    Write(env.Root() + "/kept", "mine");
    ::chmod((env.Root() + "/kept").c_str(), 0444);
    fs::create_hard_link(env.Root() + "/kept", dir + "page.htm");
    EXPECT_TRUE(MakeWritableAndDelete(dir + "page.htm"));
    EXPECT_EQ(ModeOf(env.Root() + "/kept"), 0444u);
    Write(dir + "own.htm", "x");
    ::chmod((dir + "own.htm").c_str(), 0444);
    EXPECT_TRUE(MakeWritableAndDelete(dir + "own.htm"));
}

TEST(OneLineValues, LineBreaksAndNulNeverReachAFile)
{
    using namespace std::string_literals;
    // value, accepted by a window, written by the file layer
    const std::tuple<std::string, bool, bool> values[] = {
        {"Bob Lee", true, true},
        {"", true, true},
        {"Bob\tLee", false, true},
        {"Bob\x1b[2J", false, true},
        {"Bob\r", false, true},  // read from a hand-made file, written back within its line
        {"Bob Lee\nDescription:ghost", false, false},
        {"\nBadMonth:2", false, false},
        {"Bob\0Lee"s, false, false},
    };
    TempEnvironment env;
    for (const auto& [value, accepted, written] : values) {
        EXPECT_EQ(IsOneLineValue(value), accepted) << value;
        ProfileRecord record;
        record.description = "Ann";
        record.fullName = value;
        EXPECT_EQ(SaveProfile(record), written) << value;
        EXPECT_EQ(SaveProfileIndex({{value, "Ann", "Automatic"}}), written) << value;
        EXPECT_EQ(WriteContacts(ContactsPath(), {{"Bo", "bo@x"}, {value, "c@x"}}), written) << value;
        EXPECT_EQ(WriteTaskFile({"/p/Ann.ini", "a@b" + value, 6, 0, 0}), written) << value;
    }
    // Whatever was refused, the files still hold one record each.
    std::vector<ProfileIndexEntry> list;
    LoadProfileIndex(list);
    EXPECT_EQ(list.size(), 1u);
    EXPECT_EQ(ReadContacts(ContactsPath()).size(), 2u);
    EXPECT_FALSE(ReadProfileFile(ProfilePath("Ann")).manualCalibration);
}

TEST(Recipients, NoneCanPassForAnOptionOrAMailLink)
{
    const std::pair<std::string, bool> cases[] = {
        {"a@b.c", true},         {" a@b.c ", true},      {"", true},
        {"--attach", false},     {" -x@y", false},       {"mailto:a@b.c", false},
        {"a@b.c?cc=x@y", false}, {"a@b.c&bcc=x", false}, {"a @b.c", false},
        {"MAILTO:a@b", false},   {"a@b\n", false},
    };
    for (const auto& [recipient, safe] : cases)
        EXPECT_EQ(IsSafeRecipient(recipient), safe) << recipient;
}

TEST(Process, TimeLimitEndsAHangAndNoDescriptorIsInherited)
{
    const int leaked = ::open("/dev/null", O_RDONLY);  // no close-on-exec on purpose
    ASSERT_GE(leaked, 3);
    const ProcessResult listed = RunProcess({"/bin/sh", "-c", "ls /proc/$$/fd"}, {}, true);
    ::close(leaked);
    EXPECT_EQ(listed.output, "0\n1\n2\n");

    const ProcessResult hung = RunProcess({"/bin/sleep", "30"}, {}, false, {}, 200);
    EXPECT_TRUE(hung.started);
    EXPECT_EQ(hung.exitCode, -1);
    EXPECT_EQ(RunProcess({"/bin/true"}, {}, false, {}, 5000).exitCode, 0);
}

// The end is awaited by event both ways (process descriptor; SIGCHLD of older
// kernels): a time-out takes what the program started with it, a program left
// running on the output pipe is not waited for, and the output comes whole.
TEST(Process, EndsAreAwaitedByEventAndATimeOutEndsTheGroup)
{
    for (const bool descriptors : {true, false}) {
        UseProcessDescriptorsForTesting(descriptors);
        const ProcessResult hung = RunProcess({"/bin/sh", "-c", "/bin/sleep 30 & echo $!; wait"}, {}, true, {}, 300);
        EXPECT_TRUE(hung.timedOut) << descriptors;
        EXPECT_TRUE(WaitForProcessEnd(std::atoi(hung.output.c_str()), 10000)) << descriptors;

        const ProcessResult left = RunProcess({"/bin/sh", "-c", "/bin/sleep 30 & echo $!; exit 4"}, {}, true);
        EXPECT_EQ(left.exitCode, 4) << descriptors;
        EXPECT_FALSE(left.timedOut) << descriptors;
        ASSERT_GT(std::atoi(left.output.c_str()), 1) << left.output;
        ::kill(std::atoi(left.output.c_str()), SIGKILL);

        const std::string text(200000, 'x');
        EXPECT_EQ(RunProcess({"cat"}, text, true, {}, 10000).output.size(), text.size()) << descriptors;
    }
    UseProcessDescriptorsForTesting(true);
}
