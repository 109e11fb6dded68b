#!/bin/bash
# Cold start of the interactive program to the main window with its Quick Tip
# page loaded (offscreen): wall time (median of hyperfine runs) and peak memory
# (the program and its browser processes together, median of several runs).
# Usage: bench/cold_start.sh [build-dir] [runs]
set -euo pipefail
build=${1:-build}
"$(dirname "$0")/build.sh" "$build" >/dev/null
runs=${2:-10}
program=$(realpath "$build/bench/cold_start")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

export XDG_DATA_HOME=$work QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1
# The browser module sits beside Kestrane, not beside this program.
export MORAVEL_WEB_MODULE=$(realpath "$build/app/moravel_web.so")
mkdir -p "$work/moravel"
# A few profiles, as a user would have them.
for name in Ann Bob Cy; do
    printf 'Profile:%s\nName:%s Lee\nYourMonth:3\nYourDate:4\nYourYear:1970\n' "$name" "$name" >"$work/moravel/$name.ini"
    printf 'Profile:%s Lee\nDescription:%s\nAdjustment:Automatic\n' "$name" "$name" >>"$work/moravel/mv.ini"
done

hyperfine --warmup 2 --runs "$runs" --export-json "$work/times.json" "$program" >/dev/null
python3 - "$work/times.json" <<'PY'
import json, statistics, sys
result = json.load(open(sys.argv[1]))["results"][0]
times = result["times"]
print(f"wall time: median {statistics.median(times)*1000:.0f} ms, min {min(times)*1000:.0f} ms, max {max(times)*1000:.0f} ms over {len(times)} runs")
# CPU time of the program itself depends less on how busy the machine is.
print(f"CPU time of the program: user {result['user']*1000:.0f} ms + system {result['system']*1000:.0f} ms (mean)")
PY

# Peak of the summed resident memory of the program and every process it starts.
python3 - "$program" "$runs" <<'PY'
import os, statistics, subprocess, sys, time
program, runs = sys.argv[1], int(sys.argv[2])

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

peaks = []
for _ in range(max(3, runs // 2)):
    process = subprocess.Popen([program])
    peak = 0
    while process.poll() is None:
        peak = max(peak, sum(rss_kib(pid) for pid in tree(process.pid)))
        time.sleep(0.005)
    peaks.append(peak)
print(f"peak memory (program + browser processes): median {statistics.median(peaks)/1024:.0f} MiB over {len(peaks)} runs")
PY
