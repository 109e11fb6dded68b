#!/usr/bin/env bash
# Fails when a C++ file of the tree differs from .clang-format's layout; with --fix, lays them out.
# Usage: scripts/check-format.sh [--fix] [SOURCE_DIR]
set -euo pipefail
fix=0
if [[ "${1:-}" == "--fix" ]]; then fix=1; shift; fi
cd "${1:-$(dirname "$0")/..}"
mapfile -t files < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find . -name '*.cpp' -o -name '*.h' -not -path './build*')
if [[ $fix -eq 1 ]]; then
  clang-format -i "${files[@]}"
else
  clang-format --dry-run -Werror "${files[@]}"
fi
