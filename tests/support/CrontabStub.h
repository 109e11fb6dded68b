#pragma once

#include "support/TempEnvironment.h"

#include "support/TestVariables.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A crontab program on PATH that keeps the table in the file "table" beside it and
// answers like cron's own: "no crontab for" when there is none, and a table whose
// last line lacks its end refused. A file "broken" makes every call fail; a file
// "writes" holding N lets only N more tables be installed.
// "systemctl" and "service" stand-ins only log their arguments to "started" and
// exit with the number in their ".exit" file (1 when there is none); "systemctl
// --user" finds no service manager and logs nothing.
class CrontabStub {
public:
    explicit CrontabStub(const TempEnvironment& env, bool withCrontab = true) : dir(env.Root() + "/bin")
    {
        std::filesystem::create_directories(dir);
        if (withCrontab)
            Write("crontab", kCrontab, true);
        for (const std::string name : {"systemctl", "service"})
            Write(name,
                  "#!/bin/sh\n[ \"$1\" = --user ] && exit 1\necho \"" + name +
                      " $*\" >> \"$(dirname \"$0\")/started\"\n"
                      "exit $(cat \"$(dirname \"$0\")/" +
                      name + ".exit\" 2>/dev/null || echo 1)\n",
                  true);
        const char* path = std::getenv("PATH");
        oldPath = path ? path : "";
        SetTestVariable("PATH", (dir + ":/usr/bin:/bin").c_str());
    }
    ~CrontabStub() { SetTestVariable("PATH", oldPath.c_str()); }
    CrontabStub(const CrontabStub&) = delete;
    CrontabStub& operator=(const CrontabStub&) = delete;

    std::string Table() const { return Read("table"); }
    bool HasTable() const { return std::filesystem::exists(dir + "/table"); }
    void SetTable(const std::string& table) const { Write("table", table); }
    // Start commands succeed from now on.
    void LetStartsSucceed() const { Write("systemctl.exit", "0"); }

    void Write(const std::string& name, const std::string& content, bool executable = false) const
    {
        const std::string path = dir + "/" + name;
        std::ofstream(path, std::ios::binary) << content;
        if (executable)
            std::filesystem::permissions(path, std::filesystem::perms::owner_all | std::filesystem::perms::group_exec |
                                                   std::filesystem::perms::others_exec);
    }
    std::string Read(const std::string& name) const
    {
        std::ifstream file(dir + "/" + name, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    const std::string dir;

private:
    static constexpr const char* kCrontab = R"SH(#!/bin/sh
dir=$(dirname "$0")
if [ -e "$dir/broken" ]; then echo "crontab: cannot open spool" >&2; exit 1; fi
case "$1" in
  -l) if [ -f "$dir/table" ]; then cat "$dir/table"; else echo "no crontab for $(id -un)" >&2; exit 1; fi ;;
  -) if [ -f "$dir/writes" ]; then
       left=$(cat "$dir/writes")
       if [ "$left" -le 0 ]; then echo "crontab: cannot install" >&2; exit 1; fi
       echo $((left - 1)) > "$dir/writes"
     fi
     cat > "$dir/new" || exit 1
     if [ -s "$dir/new" ] && [ "$(tail -c 1 "$dir/new" | od -An -c | tr -d ' ')" != '\n' ]; then
       echo "new crontab file is missing newline before EOF, can't install." >&2; exit 1
     fi
     mv "$dir/new" "$dir/table" ;;
  -r) if [ -f "$dir/table" ]; then rm "$dir/table"; else echo "no crontab for $(id -un)" >&2; exit 1; fi ;;
  *) exit 2 ;;
esac
)SH";
    std::string oldPath;
};
