#pragma once

#include <string>
#include <vector>

// The program's arguments for the application object, with "-platform NAME" added
// when a platform is chosen. The choice goes on the command line, never into the
// environment, so that a program we start for the user gets the user's own setting.
// The object outlives the application object, which keeps its count and values.
class PlatformArguments {
public:
    PlatformArguments(int argc, char* argv[], const std::string& platform);
    PlatformArguments(const PlatformArguments&) = delete;
    PlatformArguments& operator=(const PlatformArguments&) = delete;

    int& Count() { return count; }
    char** Values() { return pointers.data(); }

private:
    std::vector<std::string> values;
    std::vector<char*> pointers;
    int count = 0;
};
