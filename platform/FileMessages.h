#pragma once

#include <QString>
#include <string>

// The two messages about a data file, each naming the file.
// A file that exists but cannot be read: Moravel goes on and leaves it as it is.
QString CannotReadMessage(const std::string& path);
// A data file that could not be written, or removed.
QString CannotSaveMessage(const std::string& path);
QString CannotDeleteMessage(const std::string& path);
