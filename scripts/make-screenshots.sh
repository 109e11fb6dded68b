#!/usr/bin/env bash
# Takes the README's window pictures (docs/*.png) from a real display: the built
# programs run under Xvfb and openbox and are driven with real keys and clicks.
# Rerun it after a change to any window. Usage: scripts/make-screenshots.sh [folder]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh build test
export CCACHE_BASEDIR="$PWD"
cmake -S . -B build -G Ninja -DBUILD_TESTING=ON >/dev/null
cmake --build build -j "$(nproc)"
MORAVEL_SOURCE_DIR="$PWD" MORAVEL_BINARY_DIR="$PWD/build" python3 -B tests/desktop/screenshots.py "${1:-docs}"
