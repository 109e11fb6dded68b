#!/usr/bin/env bash
# Wall time (median of runs taken in rounds, bench/rounds.py) and peak memory (GNU time, median of runs) of the
# scheduled run as a whole process, plain and full colour, beside a Qt program
# that only starts and exits; then, on a private session bus whose notification
# service closes what it shows, the plain run beside a notification-only and an
# e-mail-and-notification run.
# Usage: bench/unattended_run.sh [build-dir]
# BEFORE names the build folder of an older tree, whose Kestrane then runs in the
# same rounds (rows "plain before", "colour before").
set -euo pipefail
"$(dirname "$0")/build.sh" "${1:-build}" >/dev/null
build=$(realpath "${1:-build}")
before=${BEFORE:+$(realpath "$BEFORE")}
runs=${RUNS:-20}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

export XDG_DATA_HOME="$root/data" HOME="$root/home"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
install="$XDG_DATA_HOME/moravel/"
mkdir -p "$install/Reports" "$HOME" "$root/bin"
printf '#!/bin/sh\ncat > /dev/null\n' > "$root/bin/sendmail"
chmod +x "$root/bin/sendmail"
export PATH="$root/bin:$PATH"
printf 'Profile:Anna\nName:Anna Lee\nYourMonth:8\nYourDate:15\nYourYear:1966\n' > "$install/Anna.ini"
task() {
  printf 'Profile:%sAnna.ini\nEmail:anna@example.com\nTime:7:5AM\nType:%s\n' "$install" "$1" > "$install/task.dtr"
  [ -z "${2:-}" ] || printf 'Delivery:%s\n' "$2" >> "$install/task.dtr"
}
# The run reads its task from one fixed path: each command puts its own there first.
for type in 0 1; do task $type; cp "$install/task.dtr" "$root/task$type"; done

kestrane="$build/app/Kestrane"
bare="$build/bench/QtStart"

peak() {  # median peak resident set in KB over 9 runs
  for _ in $(seq 9); do /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -1; done | sort -n | sed -n 5p
}

commands=(-n bare --prepare true "$bare"
  -n plain --prepare "cp $root/task0 ${install}task.dtr" "$kestrane ${install}task.dtr"
  -n colour --prepare "cp $root/task1 ${install}task.dtr" "$kestrane ${install}task.dtr")
rows="bare plain colour"
if [ -n "$before" ]; then
  commands+=(-n "plain before" --prepare "cp $root/task0 ${install}task.dtr" "$before/app/Kestrane ${install}task.dtr"
    -n "colour before" --prepare "cp $root/task1 ${install}task.dtr" "$before/app/Kestrane ${install}task.dtr")
  rows="$rows plain_before colour_before"
fi
"$(dirname "$0")/rounds.py" -N -w 3 -r "$runs" --export-json "$root/runs.json" "${commands[@]}" >/dev/null

declare -A kb
kb[bare]=$(peak "$bare")
task 0; kb[plain]=$(peak "$kestrane" "${install}task.dtr")
task 1; kb[colour]=$(peak "$kestrane" "${install}task.dtr")
if [ -n "$before" ]; then
  task 0; kb[plain_before]=$(peak "$before/app/Kestrane" "${install}task.dtr")
  task 1; kb[colour_before]=$(peak "$before/app/Kestrane" "${install}task.dtr")
fi

python3 - "$root/runs.json" $(for row in $rows; do echo "$row=${kb[$row]}"; done) <<'PY'
import json, sys
medians, cpu = {}, {}
for r in json.load(open(sys.argv[1]))["results"]:
    medians[r["command"]] = r["median"] * 1000
    cpu[r["command"]] = (r["user"] + r["system"]) * 1000  # means; steadier on a busy machine
peaks = {name.replace("_", " "): int(kb) for name, kb in (arg.split("=") for arg in sys.argv[2:])}
base = medians["bare"]
print(f"{'run':<15}{'wall ms':>10}{'x bare':>9}{'cpu ms':>9}{'x bare':>9}{'peak MB':>10}")
for name in peaks:
    print(f"{name:<15}{medians[name]:>10.1f}{medians[name] / base:>9.2f}"
          f"{cpu[name]:>9.1f}{cpu[name] / cpu['bare']:>9.2f}{peaks[name] / 1024:>10.1f}")
PY

# The desktop rows: a session bus of our own and a service that closes at once.
command -v dbus-daemon >/dev/null && /usr/bin/python3 -c 'import dbusmock' 2>/dev/null || exit 0
{ read -r DBUS_SESSION_BUS_ADDRESS; read -r bus_pid; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS
/usr/bin/python3 -m dbusmock --template "$(dirname "$0")/closing_notifications.py" >/dev/null &
mock_pid=$!
trap 'kill $mock_pid $bus_pid 2>/dev/null; rm -rf "$root"' EXIT
for _ in $(seq 200); do
  dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
    string:org.freedesktop.Notifications 2>/dev/null | grep -q 'boolean true' && break
  sleep 0.05
done
task 0
hyperfine -N -w 3 -r "$runs" --export-json "$root/desktop.json" -n plain "$kestrane ${install}task.dtr" >/dev/null
task 0 notification
hyperfine -N -w 3 -r "$runs" --export-json "$root/notify.json" -n notification "$kestrane ${install}task.dtr" >/dev/null
task 0 both
hyperfine -N -w 3 -r "$runs" --export-json "$root/both.json" -n both "$kestrane ${install}task.dtr" >/dev/null
task 0; plain_kb=$(peak "$kestrane" "${install}task.dtr")
task 0 notification; notify_kb=$(peak "$kestrane" "${install}task.dtr")
task 0 both; both_kb=$(peak "$kestrane" "${install}task.dtr")
echo
echo "on a session bus with a notification service:"
python3 - "$root/desktop.json" "$root/notify.json" "$root/both.json" "$plain_kb" "$notify_kb" "$both_kb" <<'PY'
import json, sys
rows = []
for path, kb in zip(sys.argv[1:4], sys.argv[4:7]):
    r = json.load(open(path))["results"][0]
    rows.append((r["command"], r["median"] * 1000, (r["user"] + r["system"]) * 1000, int(kb)))
base = rows[0]
print(f"{'run':<14}{'wall ms':>10}{'x plain':>9}{'cpu ms':>9}{'peak MB':>10}{'x plain':>9}")
for name, wall, cpu, kb in rows:
    print(f"{name:<14}{wall:>10.1f}{wall / base[1]:>9.2f}{cpu:>9.1f}{kb / 1024:>10.1f}{kb / base[3]:>9.2f}")
PY
