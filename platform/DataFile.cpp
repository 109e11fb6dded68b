#include "platform/DataFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool WriteFileAtomically(const std::string& path, const std::string& content)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
    std::string temp = folder + "/.moravel-XXXXXX";
    const int fd = ::mkstemp(temp.data());
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
    ok = ok && ::fchmod(fd, 0644) == 0 && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok && ::rename(temp.c_str(), path.c_str()) == 0)
        return true;
    ::unlink(temp.c_str());
    return false;
}

bool MakeWritableAndDelete(const std::string& path)
{
    struct stat info{};
    if (::lstat(path.c_str(), &info) != 0)
        return false;
    if (!S_ISLNK(info.st_mode))
        ::chmod(path.c_str(), (info.st_mode & 07777) | S_IWUSR);
    return ::unlink(path.c_str()) == 0;
}

bool FileExists(const std::string& path)
{
    return ::access(path.c_str(), F_OK) == 0;
}

bool ReadLinesBuffered(const std::string& path, std::size_t bufferSize, std::vector<std::string>& lines)
{
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (!file)
        return false;
    std::string buffer(bufferSize, '\0');
    while (std::fgets(buffer.data(), static_cast<int>(bufferSize), file)) {
        std::string line(buffer.c_str());
        if (!line.empty() && line.back() == '\n')
            line.pop_back();
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
    }
    std::fclose(file);
    return true;
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
