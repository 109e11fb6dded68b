#pragma once

#include <string>

// Where the menu entries go. Folders end in "/". The entries are
// named after the application id, so the desktop matches the windows to them;
// the group folder held the entries of older installs.
struct ShortcutPlaces {
    std::string groupFolder;
    std::string programShortcut;
    std::string desktopShortcut;
    std::string uninstallShortcut;
};

// The places for this user.
ShortcutPlaces ShortcutPlacesFor();

// $XDG_DATA_HOME/applications/ when XDG_DATA_HOME is absolute, else
// ~/.local/share/applications/.
std::string MenuFolder();
// The older installs' folder of entries: MenuFolder() + "moravel/".
std::string MenuGroupFolder();
// The user's desktop folder as xdg-user-dir names it, else ~/Desktop (no closing "/").
std::string DesktopFolder();

// The text of Moravel's desktop entry, which starts `program` (with its
// "Today's reading" action), named and matched by the application id.
std::string DesktopEntryText(const std::string& program);
// The uninstaller's entry.
std::string UninstallEntryText(const std::string& program);

// One argument of an Exec key: quoted when it holds a reserved character, "%" doubled,
// and written with the escapes of a string value.
std::string DesktopExecArgument(const std::string& argument);
// A string value: backslash, line breaks, tabs and a leading blank escaped.
std::string DesktopStringValue(const std::string& text);

// Creates the program entry (and the desktop entry when asked for) for `program`,
// and the uninstall entry. A packaged copy passes no uninstaller: its menu entry
// comes with the package, and the user's own entries go. An older install's
// entries go too, so the menu shows one Moravel. Failures are silent; the other
// entries are still made.
// Returns the desktop folder when a desktop entry was asked for but that folder does
// not exist (so none was made), else empty.
std::string CreateMenuEntries(bool desktopShortcuts, const std::string& program, const std::string& uninstaller);

// "Optimized for Linux configuration on your PC. "
std::string SystemLine();
