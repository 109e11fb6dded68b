#!/usr/bin/env bash
# Builds the package from this tree into the build folder, and unpacks it.
set -euo pipefail
out=$MORAVEL_PACKAGE_DIR
rm -rf "$out/dist" "$out/root"
MORAVEL_PACKAGE_WORK="$out/work" MORAVEL_DIST="$out/dist" "$MORAVEL_SOURCE_DIR/scripts/package.sh"
deb=$(ls "$out"/dist/moravel_*.deb)
dpkg-deb -x "$deb" "$out/root"
