#!/usr/bin/env bash
# Installs what is missing and builds the Debian package:
# dist/moravel_<version>_<arch>.deb, with its debug symbols beside it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh build package

# A copy of the tree without build folders, in the same place every time, so that
# the compiler cache knows the package build's compiles again.
work=${MORAVEL_PACKAGE_WORK:-$PWD/build-package}
rm -rf "$work"
mkdir -p "$work/src"
tar --exclude='./build*' --exclude=./dist --exclude=./.git -cf - . | tar -xf - -C "$work/src"

# debhelper gives the build a HOME of its own: the cache is named outright.
CCACHE_DIR=${CCACHE_DIR:-$(ccache -k cache_dir)}
export CCACHE_DIR CCACHE_BASEDIR="$work/src"
export DEB_BUILD_OPTIONS="parallel=$(nproc) ${DEB_BUILD_OPTIONS:-}"
(cd "$work/src" && dpkg-buildpackage -b -us -uc >"$work/build.log" 2>&1) || {
  tail -40 "$work/build.log" >&2
  exit 1
}

version=$(dpkg-parsechangelog -l debian/changelog -S Version)
arch=$(dpkg --print-architecture)
dist=${MORAVEL_DIST:-dist}
mkdir -p "$dist"
cp "$work/moravel_${version}_${arch}.deb" "$dist/"
cp "$work/moravel-dbgsym_${version}_${arch}.deb" "$dist/" 2>/dev/null || true
echo "$dist/moravel_${version}_${arch}.deb"
