#!/usr/bin/env bash
# Configures a build folder with the benchmark programs turned on and builds it.
# The whole-process scripts in bench/ call it first. Usage: bench/build.sh [build-dir]
set -euo pipefail
source_dir=$(realpath "$(dirname "$0")/..")
build=${1:-$source_dir/build}
"$source_dir/scripts/deps.sh" build test bench
export CCACHE_BASEDIR="$source_dir"
cmake -S "$source_dir" -B "$build" -G Ninja -DMORAVEL_BENCH=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
