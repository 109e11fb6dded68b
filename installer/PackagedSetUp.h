#pragma once

#include <string>
#include <vector>

// A packaged copy does once per user what the installer does for a source
// install; InstallDir then keeps only the user's data and working files.

// The file in InstallDir that records that the setup was done.
std::string SetUpMark();
bool IsSetUp();
void MarkSetUp();

// The files a source install put into InstallDir: programs, pictures, manual
// page, completion, icons and metadata; never the user's data.
std::vector<std::string> InstalledCopyFiles();
// Removes those of them that are plain files or links, and the icon folders they
// leave empty.
void RemoveInstalledCopy();
