#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

// The readers take paths, so every input goes through a real file in a private
// data folder (XDG_DATA_HOME points there for InstallDir).
inline const std::string& FuzzInstallDir()
{
    static const std::string dir = [] {
        // Memory-backed when possible: the fuzzers write a file on every input.
        std::string pattern =
            ::access("/dev/shm", W_OK) == 0 ? "/dev/shm/moravel-fuzz-XXXXXX" : "/tmp/moravel-fuzz-XXXXXX";
        const char* root = ::mkdtemp(pattern.data());
        if (!root)
            std::abort();
        ::setenv("XDG_DATA_HOME", root, 1);
        const std::string install = std::string(root) + "/moravel/";
        ::mkdir(install.c_str(), 0700);
        static std::string toRemove = root;
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(toRemove, ignored);
        });
        return install;
    }();
    return dir;
}

inline void WriteFuzzFile(const std::string& path, const uint8_t* data, std::size_t size)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        std::abort();
    if (size > 0 && std::fwrite(data, 1, size, file) != size)
        std::abort();
    std::fclose(file);
}
