#pragma once

#include <string>
#include <string_view>
#include <vector>

// The largest file a reader takes. Real profile, index, task and contacts files are a
// few hundred bytes; anything bigger is not ours and is neither read nor written over.
constexpr std::size_t MaxDataFileSize = 1024 * 1024;

// What a reader found at a path. A file that exists but is no regular file, cannot be
// opened or is larger than the limit "cannot be read": it is never taken for empty.
enum class FileState { Absent, Readable, Unreadable };

FileState DataFileState(const std::string& path, std::size_t maxSize = MaxDataFileSize);

// The whole of a regular file of at most maxSize bytes. A FIFO or a device is never
// opened for waiting or read without end.
FileState ReadRegularFile(const std::string& path, std::size_t maxSize, std::string& bytes);

// Replaces a data file atomically: a temporary file in the same folder, flushed,
// then renamed over the old one. The new file keeps the mode of the one it replaces;
// a new one is private (0600). False when any step fails (the old file stays), and
// when the old file exists but cannot be read. A working page, made again each
// time it is shown, is written `Durable::No`: it need not wait for the disk.
enum class Durable { Yes, No };
bool WriteFileAtomically(const std::string& path, const std::string& content, Durable durable = Durable::Yes);

// Removes the temporary files an interrupted WriteFileAtomically left in `folder`:
// regular files named ".moravel-" and six letters or digits, last changed no later
// than the file `newer` (the running program's lock: both times come from the same file
// system's clock). Links and anything else are left alone. Returns how many went.
int RemoveStaleTemporaryFiles(const std::string& folder, const std::string& newer);

// Removes a file. A regular file with one link is made writable first; a link or a
// file with other names is removed as it is, so no other name loses its mode.
// False when it could not be removed.
bool MakeWritableAndDelete(const std::string& path);

bool FileExists(const std::string& path);

// Splits a file into lines the way the data-file readers do: a fixed buffer of
// bufferSize bytes (so at most bufferSize - 1 bytes a read; a longer line comes in
// pieces, each a line of its own), the line end (LF or CR LF) removed. With
// firstPieceOnly the rest of a long line is dropped instead, so that no text inside a
// value is ever read as a key of its own.
FileState ReadDataLines(const std::string& path, std::size_t bufferSize, std::vector<std::string>& lines,
                        bool firstPieceOnly = false);
// The same; false when the file is absent or cannot be read.
bool ReadLinesBuffered(const std::string& path, std::size_t bufferSize, std::vector<std::string>& lines);

// What a writer may put on one line of a data file and read back on one line: no LF,
// which would end the line and start forged ones, and no NUL, which would cut it.
bool FitsOnOneLine(std::string_view value);
// What a one-line field of a window accepts for a data file: no control character at
// all. CR is taken for a line end by other programs and dropped at a line's end by the
// readers; TAB splits the command line's columns; ESC drives a terminal.
bool IsOneLineValue(std::string_view value);

// atoi: leading blanks, optional sign, decimal digits up to the first other character.
int ParseLeadingInt(const std::string& text);
