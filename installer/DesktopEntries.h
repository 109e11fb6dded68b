#pragma once

#include <optional>
#include <string>

// Where the menu entries of one system go. Folders end in "/".
struct ShortcutPlaces {
    std::string groupFolder;
    std::string programShortcut;
    std::string desktopShortcut;
    std::string uninstallShortcut;
};

// The places for a system name; none for a system without menu entries we know of.
std::optional<ShortcutPlaces> ShortcutPlacesFor(const std::string& systemName);

// $XDG_DATA_HOME/applications/moravel/ when XDG_DATA_HOME is absolute, else
// ~/.local/share/applications/moravel/.
std::string MenuGroupFolder();
// The user's desktop folder as xdg-user-dir names it, else ~/Desktop (no closing "/").
std::string DesktopFolder();

// The text of a desktop entry that starts `program` in InstallDir.
std::string DesktopEntryText(const std::string& name, const std::string& program);

// One argument of an Exec key: quoted when it holds a reserved character, "%" doubled,
// and written with the escapes of a string value.
std::string DesktopExecArgument(const std::string& argument);
// A string value: backslash, line breaks, tabs and a leading blank escaped.
std::string DesktopStringValue(const std::string& text);

// Creates the group folder, the program entry (and the desktop entry when asked for)
// and the uninstall entry. Failures are silent; the other entries are still made.
// Returns the desktop folder when a desktop entry was asked for but that folder does
// not exist (so none was made), else empty.
std::string CreateMenuEntries(const std::string& systemName, bool desktopShortcuts);

// "Optimized for ... configuration on your PC. "
std::string SystemLine(const std::string& systemName);
