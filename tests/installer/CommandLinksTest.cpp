#include "installer/CommandLinks.h"
#include "installer/PackagedSetUp.h"
#include "support/TempEnvironment.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

// Links are made where man and bash look, an older link is replaced, and the
// uninstaller takes away only links that still point into InstallDir.
TEST(CommandLinks, MadeReplacedAndRemovedWithoutTouchingTheUsersFiles)
{
    TempEnvironment env;
    const std::string home = env.Root() + "/home/";
    const std::string install = env.InstallDir();
    const std::vector<CommandLink> links = CommandLinks();
    const std::vector<std::pair<std::string, std::string>> expected = {
        {home + ".local/bin/moravel", install + "Kestrane"},
        {home + ".local/share/man/man1/Kestrane.1", install + "Kestrane.1"},
        {home + ".local/share/man/man1/moravel.1", install + "Kestrane.1"},
        {env.Root() + "/data/bash-completion/completions/Kestrane", install + "Kestrane.bash"},
        {env.Root() + "/data/bash-completion/completions/moravel", install + "Kestrane.bash"},
    };
    // Then the icons and the metadata under the application id, where the desktop looks.
    ASSERT_EQ(links.size(), expected.size() + 10);
    EXPECT_EQ(links[5].link, env.Root() + "/data/icons/hicolor/16x16/apps/org.moravel.Moravel.png");
    EXPECT_EQ(links[5].target, install + "icons/hicolor/16x16/apps/org.moravel.Moravel.png");
    EXPECT_EQ(links[12].link, env.Root() + "/data/icons/hicolor/scalable/apps/org.moravel.Moravel.svg");
    EXPECT_EQ(links[13].link, env.Root() + "/data/metainfo/org.moravel.Moravel.metainfo.xml");
    EXPECT_EQ(links[13].target, install + "org.moravel.Moravel.metainfo.xml");
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(std::make_pair(links[i].link, links[i].target), expected[i]);

    // An older install's link is replaced; the user's own manual page stays.
    fs::create_directories(home + ".local/bin");
    fs::create_symlink("/old/Kestrane", home + ".local/bin/moravel");
    fs::create_directories(home + ".local/share/man/man1");
    std::ofstream(home + ".local/share/man/man1/moravel.1") << "mine";
    CreateCommandLinks();
    EXPECT_EQ(fs::read_symlink(home + ".local/bin/moravel"), install + "Kestrane");
    EXPECT_EQ(fs::read_symlink(links[3].link), install + "Kestrane.bash");
    EXPECT_FALSE(fs::is_symlink(home + ".local/share/man/man1/moravel.1"));

    // A link the user pointed elsewhere is theirs now.
    fs::remove(links[1].link);
    fs::create_symlink("/usr/share/man/man1/ls.1.gz", links[1].link);
    RemoveCommandLinks();
    for (std::size_t i : {0, 3, 4})
        EXPECT_FALSE(fs::exists(fs::symlink_status(links[i].link))) << links[i].link;
    EXPECT_TRUE(fs::is_symlink(links[1].link));
    EXPECT_TRUE(fs::is_regular_file(links[2].link));
    EXPECT_TRUE(fs::is_directory(home + ".local/bin"));
}

// A source install's copy goes from InstallDir when the package takes over; the
// user's data, the delivery's task and anything unknown stay.
TEST(PackagedSetUp, RemovesTheSourceCopyAndKeepsTheData)
{
    TempEnvironment env;
    const std::string install = env.InstallDir();
    const std::vector<std::string> copy = InstalledCopyFiles();
    for (const std::string& name : copy) {
        fs::create_directories(fs::path(install + name).parent_path());
        std::ofstream(install + name) << "x";
    }
    const std::vector<std::string> data{"mv.ini", "Ann.ini", "contacts.ini", "task.dtr", "Reports/a.jpg", "mine.txt"};
    for (const std::string& name : data) {
        fs::create_directories(fs::path(install + name).parent_path());
        std::ofstream(install + name) << "mine";
    }
    EXPECT_FALSE(IsSetUp());
    RemoveInstalledCopy();
    MarkSetUp();
    EXPECT_TRUE(IsSetUp());
    std::vector<std::string> left;
    for (const auto& entry : fs::recursive_directory_iterator(install))
        left.push_back(entry.path().string().substr(install.size()));
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"Ann.ini", "Reports", "Reports/a.jpg", "contacts.ini", "mine.txt",
                                              "mv.ini", "setup.txt", "task.dtr"}));
}
