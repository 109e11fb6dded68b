#!/usr/bin/env bash
# Builds and runs every Google Benchmark program in bench/, reporting medians.
set -euo pipefail
cd "$(dirname "$0")/.."
bench/build.sh build
for program in build/bench/*_bench; do
  [[ -x "$program" ]] || continue
  echo "== $(basename "$program")"
  "$program" --benchmark_repetitions=9 --benchmark_report_aggregates_only=true "$@" | grep -E "median|^Benchmark|^---"
done
