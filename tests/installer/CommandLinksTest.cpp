#include "installer/CommandLinks.h"
#include "support/TempEnvironment.h"

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
    ASSERT_EQ(links.size(), expected.size());
    for (std::size_t i = 0; i < links.size(); ++i)
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
