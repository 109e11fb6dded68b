#pragma once

#include "support/CrontabStub.h"

#include <string>

// A user service manager behind "systemctl --user", in the CrontabStub's folder:
// it runs, keeps "enabled" as marker files and logs every other request to
// "manager". Calls without --user go to the CrontabStub's stand-in.
class UserManagerStub {
public:
    explicit UserManagerStub(const CrontabStub& cron) : cron(cron)
    {
        cron.Write("systemctl", kSystemctl, true);
        SetState("running");
    }
    void SetState(const std::string& state) const { cron.Write("state", state + "\n"); }
    // The requests that change something, one a line.
    std::string Log() const { return cron.Read("manager"); }
    bool Enabled(const std::string& unit) const { return std::filesystem::exists(cron.dir + "/enabled-" + unit); }

private:
    static constexpr const char* kSystemctl = R"SH(#!/bin/sh
dir=$(dirname "$0")
if [ "$1" != --user ]; then
  echo "systemctl $*" >> "$dir/started"
  exit $(cat "$dir/systemctl.exit" 2>/dev/null || echo 1)
fi
shift
[ "$1" = is-system-running ] || [ "$1" = is-enabled ] || echo "$*" >> "$dir/manager"
[ "$2" = --now ] && unit=$3 || unit=$2
case "$1" in
  is-system-running) cat "$dir/state"; [ "$(cat "$dir/state")" = running ] ;;
  is-enabled) if [ -e "$dir/enabled-$unit" ]; then echo enabled; else echo disabled; exit 1; fi ;;
  enable) touch "$dir/enabled-$unit" ;;
  disable) rm -f "$dir/enabled-$unit" ;;
  daemon-reload|stop) ;;
  *) exit 1 ;;
esac
)SH";
    const CrontabStub& cron;
};
