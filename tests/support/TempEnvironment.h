#pragma once

#include "support/TestVariables.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

// Points XDG_DATA_HOME, XDG_CONFIG_HOME and HOME at a fresh temporary folder for
// one test and restores them afterwards.
class TempEnvironment {
public:
    TempEnvironment()
    {
        std::string pattern = std::filesystem::temp_directory_path().string() + "/moravel-test-XXXXXX";
        root = ::mkdtemp(pattern.data()) ? pattern : std::string();
        Save("XDG_DATA_HOME", oldXdg, hadXdg);
        Save("HOME", oldHome, hadHome);
        Save("XDG_CONFIG_HOME", oldConfig, hadConfig);
        SetTestVariable("XDG_DATA_HOME", (root + "/data").c_str());
        SetTestVariable("XDG_CONFIG_HOME", (root + "/config").c_str());
        SetTestVariable("HOME", (root + "/home").c_str());
        std::filesystem::create_directories(root + "/data/moravel/Reports");
        std::filesystem::create_directories(root + "/home");
    }
    ~TempEnvironment()
    {
        Restore("XDG_DATA_HOME", oldXdg, hadXdg);
        Restore("HOME", oldHome, hadHome);
        Restore("XDG_CONFIG_HOME", oldConfig, hadConfig);
        std::error_code ignored;
        if (!root.empty())
            std::filesystem::remove_all(root, ignored);
    }
    TempEnvironment(const TempEnvironment&) = delete;
    TempEnvironment& operator=(const TempEnvironment&) = delete;

    const std::string& Root() const { return root; }
    std::string InstallDir() const { return root + "/data/moravel/"; }

private:
    static void Save(const char* name, std::string& value, bool& had)
    {
        const char* current = std::getenv(name);
        had = current != nullptr;
        value = current ? current : "";
    }
    static void Restore(const char* name, const std::string& value, bool had)
    {
        if (had)
            SetTestVariable(name, value.c_str());
        else
            UnsetTestVariable(name);
    }

    std::string root;
    std::string oldXdg, oldHome, oldConfig;
    bool hadXdg = false, hadHome = false, hadConfig = false;
};
