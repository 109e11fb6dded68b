#!/usr/bin/env bash
# A year of readings as JSON from the command line, beside a Qt program that only
# starts and exits (bench/QtStart): wall time as the median of hyperfine runs.
# The target is at most 1.5 times the bare start.
# Usage: bench/command_line.sh [build-dir]
set -euo pipefail
"$(dirname "$0")/build.sh" "${1:-build}" >/dev/null
build=$(realpath "${1:-build}")
runs=${RUNS:-30}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

export XDG_DATA_HOME="$root/data" HOME="$root/home"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
install="$XDG_DATA_HOME/moravel/"
mkdir -p "$install" "$HOME"
printf 'Profile:Anna\nName:Anna Lee\nYourMonth:8\nYourDate:15\nYourYear:1966\n' > "$install/Anna.ini"
printf 'Profile:Anna Lee\nDescription:Anna\nAdjustment:Automatic\n' > "$install/mv.ini"

hyperfine -N -w 5 -r "$runs" --export-json "$root/times.json" -n bare "$build/bench/QtStart" \
  -n year "$build/app/Kestrane report --profile Anna --date 2026-01-01 --days 365 --format json" >/dev/null

python3 - "$root/times.json" <<'PY'
import json, sys
results = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
base = results["bare"]["median"]
print(f"{'run':<8}{'median ms':>11}{'x bare':>9}")
for name in ["bare", "year"]:
    median = results[name]["median"]
    print(f"{name:<8}{median * 1000:>11.1f}{median / base:>9.2f}")
ratio = results["year"]["median"] / base
print(f"a year as JSON takes {ratio:.2f} times a bare Qt start (target at most 1.50)")
sys.exit(0 if ratio <= 1.5 else 1)
PY
