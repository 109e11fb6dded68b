#pragma once

#include <string>
#include <vector>

enum class RemovalOutcome {
    Removed,         // everything that could be removed is gone
    ProgramRunning,  // the main program runs; nothing was touched
};

// What the user made and loses with the product.
struct PersonalData {
    int profiles = 0;  // profile files in InstallDir
    int contacts = 0;  // address-book entries
    int reports = 0;   // saved report pictures under ReportsDir
    bool Any() const { return profiles > 0 || contacts > 0 || reports > 0; }
};
PersonalData CountPersonalData();

// What the uninstaller says when it does.
inline constexpr char CloseMoravelFirst[] = "Please close Moravel first and then try again.   ";

// True when a process runs InstallDir + "Kestrane".
bool MainProgramRunning();

// Removes the product: the work item, the menu entries, the desktop
// entry, every file and folder under ReportsDir and InstallDir, and the folders
// themselves. Symbolic links are removed, never followed: an InstallDir that is a
// link loses the link and nothing behind it. Failures other than a
// running main program are ignored.
RemovalOutcome RemoveProduct();

// The folders met while emptying, in the order met, each once.
class RemovalList {
public:
    // Empties `folder` recursively: files (made writable first) and links are
    // deleted, sub-folders emptied in turn and listed. False when `folder` is not
    // a real folder (missing, or a link).
    bool Empty(const std::string& folder);
    // Removes the listed folders, last met first.
    void RemoveFolders() const;
    const std::vector<std::string>& Folders() const { return folders; }

private:
    void Add(const std::string& folder);
    std::vector<std::string> folders;
};
