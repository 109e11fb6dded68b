#!/usr/bin/env bash
# Runs the tests on a machine made busy on purpose: more ctest jobs than CPUs, beside
# two busy loops of its own, each test repeated until it fails. Prints which tests
# failed and how often; exits 1 when any did.
# Usage: scripts/stress-tests.sh [-j JOBS] [-n REPEATS] [-r ROUNDS] [TEST-REGEX]
#   -j  ctest jobs at once (default: twice the CPUs)
#   -n  runs of each test in a round, stopping at its first failure (default 1)
#   -r  rounds of the whole selection (default 1)
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(( $(nproc) * 2 ))
repeats=1
rounds=1
while getopts "j:n:r:" option; do
  case "$option" in
    j) jobs=$OPTARG ;;
    n) repeats=$OPTARG ;;
    r) rounds=$OPTARG ;;
    *) sed -n '5,8p' "$0" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
selection=()
[[ $# -gt 0 ]] && selection=(-R "$1")

scripts/deps.sh build test
export CCACHE_BASEDIR="$PWD" QT_QPA_PLATFORM=offscreen
cmake -S . -B build -G Ninja -DBUILD_TESTING=ON >/dev/null
cmake --build build -j "$(nproc)"

busy=()
stop_busy() { [[ ${#busy[@]} -eq 0 ]] || kill "${busy[@]}" 2>/dev/null || true; }
trap stop_busy EXIT
for _ in 1 2; do
  bash -c 'while :; do :; done' &
  busy+=($!)
done

declare -A failed=()
log=build/Testing/Temporary/LastTestsFailed.log
for round in $(seq "$rounds"); do
  echo "== round $round of $rounds: -j $jobs, each test up to $repeats times, two busy loops"
  rm -f "$log"
  ctest --test-dir build --output-on-failure -j "$jobs" --repeat until-fail:"$repeats" "${selection[@]}" || true
  if [[ -f "$log" ]]; then
    while IFS=: read -r _ name; do
      failed[$name]=$(( ${failed[$name]:-0} + 1 ))
    done < "$log"
  fi
done

if [[ ${#failed[@]} -eq 0 ]]; then
  echo "== no test failed in $rounds round(s)"
  exit 0
fi
echo "== failed tests (rounds in which they failed, of $rounds):"
for name in "${!failed[@]}"; do
  printf '%4d  %s\n' "${failed[$name]}" "$name"
done | sort -rn
exit 1
