#pragma once

#include <string>
#include <vector>

// Replaces a data file atomically: a temporary file in the same folder, flushed,
// then renamed over the old one. False when any step fails (the old file stays).
bool WriteFileAtomically(const std::string& path, const std::string& content);

// Makes a file writable, then removes it. False when it could not be removed.
bool MakeWritableAndDelete(const std::string& path);

bool FileExists(const std::string& path);

// Splits a file into lines the way the data-file readers do: a fixed buffer of
// bufferSize bytes (so at most bufferSize - 1 bytes a read; a longer line comes in
// pieces, each a line of its own), the line end (LF or CR LF) removed.
// A missing file gives no lines and false.
bool ReadLinesBuffered(const std::string& path, std::size_t bufferSize, std::vector<std::string>& lines);

// atoi: leading blanks, optional sign, decimal digits up to the first other character.
int ParseLeadingInt(const std::string& text);
