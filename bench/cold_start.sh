#!/bin/bash
# Cold start of the interactive program to the main window with its Quick Tip
# page loaded (offscreen), side by side with a bare Widgets window that starts
# and exits, empty and with one line of text (the font set-up every window with
# text pays): wall time (medians of runs taken in rounds, bench/rounds.py) and peak memory
# (the program and every process it starts, summed; median of several runs).
# Usage: bench/cold_start.sh [build-dir] [runs]
# COLD_START and BARE_START name other programs to compare; BEFORE_START adds an
# older build's bench/cold_start to the same rounds (row "before").
set -euo pipefail
build=${1:-build}
"$(dirname "$0")/build.sh" "$build" >/dev/null
runs=${2:-10}
program=$(realpath "${COLD_START:-$build/bench/cold_start}")
bare=$(realpath "${BARE_START:-$build/bench/WidgetsStart}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Its own cache, filled by the warm-up runs as by any start after the first.
export XDG_DATA_HOME=$work XDG_CACHE_HOME=$work/cache QT_QPA_PLATFORM=offscreen
mkdir -p "$work/moravel"
# A few profiles, as a user would have them.
for name in Ann Bob Cy; do
    printf 'Profile:%s\nName:%s Lee\nYourMonth:3\nYourDate:4\nYourYear:1970\n' "$name" "$name" >"$work/moravel/$name.ini"
    printf 'Profile:%s Lee\nDescription:%s\nAdjustment:Automatic\n' "$name" "$name" >>"$work/moravel/mv.ini"
done

"$(dirname "$0")/rounds.py" -N --warmup 2 --runs "$runs" --export-json "$work/times.json" -n bare "$bare" -n bare-text "$bare text" \
    -n moravel "$program" ${BEFORE_START:+-n before "$(realpath "$BEFORE_START")"} >/dev/null

# Peak of the summed resident memory of a program and every process it starts.
python3 - "$work/times.json" "$bare" "$program" "$runs" "${BEFORE_START:-}" <<'PY'
import json, os, statistics, subprocess, sys, time
results = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
programs = {"bare": [sys.argv[2]], "bare-text": [sys.argv[2], "text"], "moravel": [sys.argv[3]]}
if sys.argv[5]:
    programs["before"] = [sys.argv[5]]
runs = int(sys.argv[4])

def tree(root):
    children = {}
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/stat") as f:
                ppid = int(f.read().rsplit(")", 1)[1].split()[1])
            children.setdefault(ppid, []).append(int(pid))
        except (OSError, IndexError, ValueError):
            pass
    found, todo = [], [root]
    while todo:
        pid = todo.pop()
        found.append(pid)
        todo.extend(children.get(pid, []))
    return found

def rss_kib(pid):
    try:
        with open(f"/proc/{pid}/status") as f:
            for line in f:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return 0

def peak_mib(program):
    peaks = []
    for _ in range(max(3, runs // 2)):
        process = subprocess.Popen(program, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        peak = 0
        while process.poll() is None:
            peak = max(peak, sum(rss_kib(pid) for pid in tree(process.pid)))
            time.sleep(0.002)
        peaks.append(peak)
    return statistics.median(peaks) / 1024

base = results["bare"]["median"]
text = results["bare-text"]["median"]
print(f"{'start':<10}{'median ms':>11}{'x bare':>8}{'x text':>8}{'cpu ms':>9}{'peak MiB':>10}")
for name in programs:
    r = results[name]
    # CPU time (mean) depends less on how busy the machine is than wall time.
    print(f"{name:<10}{r['median'] * 1000:>11.1f}{r['median'] / base:>8.2f}{r['median'] / text:>8.2f}"
          f"{(r['user'] + r['system']) * 1000:>9.1f}{peak_mib(programs[name]):>10.1f}")
PY
