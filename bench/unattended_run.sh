#!/usr/bin/env bash
# Wall time (hyperfine, median) and peak memory (GNU time, median of runs) of the
# scheduled run as a whole process, plain and full colour, beside a Qt program
# that only starts and exits.
# Usage: bench/unattended_run.sh [build-dir]
set -euo pipefail
"$(dirname "$0")/../scripts/deps.sh" bench
build=$(realpath "${1:-build}")
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
task() { printf 'Profile:%sAnna.ini\nEmail:anna@example.com\nTime:7:5AM\nType:%s\n' "$install" "$1" > "$install/task.dtr"; }

kestrane="$build/app/Kestrane"
bare="$build/bench/QtStart"

peak() {  # median peak resident set in KB over 9 runs
  for _ in $(seq 9); do /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -1; done | sort -n | sed -n 5p
}

task 0
hyperfine -N -w 3 -r "$runs" --export-json "$root/plain.json" -n bare "$bare" \
  -n plain "$kestrane ${install}task.dtr" >/dev/null
task 1
hyperfine -N -w 3 -r "$runs" --export-json "$root/colour.json" -n colour "$kestrane ${install}task.dtr" >/dev/null

task 0; plain_kb=$(peak "$kestrane" "${install}task.dtr")
task 1; colour_kb=$(peak "$kestrane" "${install}task.dtr")
bare_kb=$(peak "$bare")

python3 - "$root/plain.json" "$root/colour.json" "$bare_kb" "$plain_kb" "$colour_kb" <<'PY'
import json, sys
medians, cpu = {}, {}
for path in sys.argv[1:3]:
    for r in json.load(open(path))["results"]:
        medians[r["command"]] = r["median"] * 1000
        cpu[r["command"]] = (r["user"] + r["system"]) * 1000  # means; steadier on a busy machine
peaks = dict(zip(["bare", "plain", "colour"], map(int, sys.argv[3:6])))
base = medians["bare"]
print(f"{'run':<12}{'wall ms':>10}{'x bare':>9}{'cpu ms':>9}{'x bare':>9}{'peak MB':>10}")
for name in ["bare", "plain", "colour"]:
    print(f"{name:<12}{medians[name]:>10.1f}{medians[name] / base:>9.2f}"
          f"{cpu[name]:>9.1f}{cpu[name] / cpu['bare']:>9.2f}{peaks[name] / 1024:>10.1f}")
PY
