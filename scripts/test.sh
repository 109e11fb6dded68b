#!/usr/bin/env bash
# Installs what the tests need, builds, and runs every test through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh build test package

# Cached compiles stay valid whichever folder the tree was cloned into.
export CCACHE_BASEDIR="$PWD"

export QT_QPA_PLATFORM=offscreen

# The benchmark programs are built too, so that they keep compiling.
cmake -S . -B build -G Ninja -DBUILD_TESTING=ON -DMORAVEL_BENCH=ON >/dev/null
cmake --build build -j "$(nproc)"
status=0
ctest --test-dir build --output-on-failure -j "$(nproc)" || status=1

# The core tests once more with the address and undefined-behaviour sanitizers
# (MORAVEL_ASAN): a bad access, a leak or an undefined operation fails the test.
cmake -S . -B build-asan -G Ninja -DBUILD_TESTING=ON -DMORAVEL_ASAN=ON >/dev/null
cmake --build build-asan -j "$(nproc)" --target core_tests
UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-asan --output-on-failure -j "$(nproc)" -L core || status=1

# The file readers under libFuzzer (clang), each for a bounded time.
if [[ -d tests/fuzz ]]; then
  cmake -S . -B build-fuzz -G Ninja -DMORAVEL_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
        -DBUILD_TESTING=ON >/dev/null
  cmake --build build-fuzz -j "$(nproc)"
  ctest --test-dir build-fuzz --output-on-failure -j "$(nproc)" || status=1
fi
exit $status
