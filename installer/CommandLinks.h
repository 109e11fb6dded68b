#pragma once

#include <string>
#include <vector>

// A symbolic link outside InstallDir to a file inside it.
struct CommandLink {
    std::string link;
    std::string target;
};

// The command line's links: the program as "moravel" in ~/.local/bin, its manual
// pages in ~/.local/share/man/man1 (man finds them from ~/.local/bin on PATH), and
// its bash completion under both names in the user's bash-completion folder, the
// fish completion, the theme icons and the software centre's metadata.
std::vector<CommandLink> CommandLinks();

// Makes every link and the folders it needs. An older link is replaced; a file or
// folder of the user's at a link's place is left alone. Failures are silent.
void CreateCommandLinks();

// Removes every link that still points at its target; nothing else is touched.
void RemoveCommandLinks();
