#include "platform/DataFile.h"

#include "platform/AsciiText.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Opens without waiting (a FIFO would block until a writer came) and only for a
// regular file within the size limit. -1 with `state` set otherwise.
int OpenRegularFile(const std::string& path, std::size_t maxSize, FileState& state)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        state = (errno == ENOENT || errno == ENOTDIR) ? FileState::Absent : FileState::Unreadable;
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || static_cast<unsigned long long>(info.st_size) > maxSize) {
        ::close(fd);
        state = FileState::Unreadable;
        return -1;
    }
    state = FileState::Readable;
    return fd;
}

bool IsTemporaryName(const std::string& name)
{
    static const std::string prefix = ".moravel-";
    if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0)
        return false;
    for (std::size_t i = prefix.size(); i < name.size(); ++i) {
        const char c = name[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}
}

FileState DataFileState(const std::string& path, std::size_t maxSize)
{
    FileState state = FileState::Absent;
    const int fd = OpenRegularFile(path, maxSize, state);
    if (fd >= 0)
        ::close(fd);
    return state;
}

FileState ReadRegularFile(const std::string& path, std::size_t maxSize, std::string& bytes)
{
    FileState state = FileState::Absent;
    const int fd = OpenRegularFile(path, maxSize, state);
    if (fd < 0)
        return state;
    bytes.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            state = FileState::Unreadable;
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
        // A file that grows while it is read is held to the same limit.
        if (bytes.size() > maxSize) {
            state = FileState::Unreadable;
            break;
        }
    }
    ::close(fd);
    if (state != FileState::Readable)
        bytes.clear();
    return state;
}

bool WriteFileAtomically(const std::string& path, const std::string& content, Durable durable)
{
    // What we could not read, we cannot rewrite without losing it.
    if (DataFileState(path) == FileState::Unreadable)
        return false;
    // Personal data: a new file is the user's alone; a replaced one keeps the mode
    // its owner gave it.
    mode_t mode = 0600;
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0)
        mode = old.st_mode & 07777;
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
    std::string temp = folder + "/.moravel-XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    std::size_t written = 0;
    bool ok = true;
    while (written < content.size()) {
        const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ok = false;
            break;
        }
        written += static_cast<std::size_t>(n);
    }
    ok = ok && ::fchmod(fd, mode) == 0 && (durable == Durable::No || ::fsync(fd) == 0);
    ok = (::close(fd) == 0) && ok;
    if (ok && ::rename(temp.c_str(), path.c_str()) == 0)
        return true;
    ::unlink(temp.c_str());
    return false;
}

int RemoveStaleTemporaryFiles(const std::string& folder, const std::string& newer)
{
    struct stat reference {};
    if (::stat(newer.c_str(), &reference) != 0)
        return 0;
    // Not after it: file times advance in clock ticks, so a file left just before the
    // lock was taken may carry the lock's own time. Only the lock's holder writes here.
    const auto older = [&](const struct stat& info) {
        return info.st_mtim.tv_sec < reference.st_mtim.tv_sec ||
               (info.st_mtim.tv_sec == reference.st_mtim.tv_sec && info.st_mtim.tv_nsec <= reference.st_mtim.tv_nsec);
    };
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return 0;
    DIR* dir = ::fdopendir(dirFd);
    if (!dir) {
        ::close(dirFd);
        return 0;
    }
    int removed = 0;
    while (dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (!IsTemporaryName(name))
            continue;
        struct stat info {};
        if (::fstatat(dirFd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode) || !older(info))
            continue;
        if (::unlinkat(dirFd, name.c_str(), 0) == 0)
            ++removed;
    }
    ::closedir(dir);
    return removed;
}

bool MakeWritableAndDelete(const std::string& path)
{
    // Opened without following a link, so that the mode changed is that of this very
    // file; the mode belongs to the file, not the name, and a hard link shares it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd >= 0) {
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_nlink == 1 && !(info.st_mode & S_IWUSR))
            ::fchmod(fd, (info.st_mode & 07777) | S_IWUSR);
        ::close(fd);
    }
    return ::unlink(path.c_str()) == 0;
}

bool FileExists(const std::string& path)
{
    return ::access(path.c_str(), F_OK) == 0;
}

FileState ReadDataLines(const std::string& path, std::size_t bufferSize, std::vector<std::string>& lines,
                        bool firstPieceOnly)
{
    std::string bytes;
    const FileState state = ReadRegularFile(path, MaxDataFileSize, bytes);
    if (state != FileState::Readable || bufferSize < 2)
        return state;
    // As fgets with a buffer of bufferSize bytes would hand them out.
    const std::size_t piece = bufferSize - 1;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t newline = bytes.find('\n', start);
        const std::size_t lineEnd = newline == std::string::npos ? bytes.size() : newline + 1;
        const std::size_t end = lineEnd - start > piece ? start + piece : lineEnd;
        std::string line = bytes.substr(start, end - start);
        start = firstPieceOnly ? lineEnd : end;
        // The C string of the buffer ends at its first NUL.
        if (const std::size_t nul = line.find('\0'); nul != std::string::npos)
            line.resize(nul);
        if (!line.empty() && line.back() == '\n')
            line.pop_back();
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
    }
    return state;
}

bool ReadLinesBuffered(const std::string& path, std::size_t bufferSize, std::vector<std::string>& lines)
{
    return ReadDataLines(path, bufferSize, lines) == FileState::Readable;
}

bool FitsOnOneLine(std::string_view value)
{
    return value.find_first_of(std::string_view("\n\0", 2)) == std::string_view::npos;
}

bool IsOneLineValue(std::string_view value)
{
    return std::none_of(value.begin(), value.end(), IsControlByte);
}

int ParseLeadingInt(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        value = value * 10 + (text[i++] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        value = INT_MAX;
    if (value < INT_MIN)
        value = INT_MIN;
    return static_cast<int>(value);
}
