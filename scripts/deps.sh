#!/usr/bin/env bash
# Installs the Debian packages of the named groups that are missing.
# Usage: scripts/deps.sh build [test] [bench] [package]
set -euo pipefail

# libfontconfig-dev: the look's font families are resolved once by fontconfig itself.
build_packages=(cmake ninja-build g++ pkg-config ccache qt6-base-dev qt6-image-formats-plugins libfontconfig-dev
                fonts-liberation fonts-dejavu-core xdg-user-dirs xdg-utils)
# msmtp, not msmtp-mta: the tests call it through their own wrapper, and msmtp-mta would
# replace a mail system the machine already has.
# xvfb, openbox, xdotool, x11-utils, imagemagick: the real-display tests (an X server,
# a window manager, real input, window facts and screenshots).
# weston and qt6-wayland: the programs on a native Wayland compositor (headless).
# clang-format: the layout check of the C++ files.
# python3-icalendar: reads the calendar that the report command writes.
# systemd (systemd-analyze checks the timer units), dbus and python3-dbusmock: the
# scheduled run's desktop notification on a private session bus.
# at-spi2-core (the accessibility bus and registry) and python3-pyatspi: what a screen
# reader finds in the windows.
# strace: which libraries and files a run opens.
test_packages=(libgtest-dev libbenchmark-dev clang clang-format libclang-rt-14-dev faketime msmtp
               python3-aiosmtpd cron poppler-utils desktop-file-utils procps
               xvfb openbox xdotool x11-utils imagemagick python3-icalendar
               systemd dbus python3-dbusmock weston qt6-wayland at-spi2-core python3-pyatspi strace)

# The Debian package: debhelper and dpkg-dev build it, lintian checks it, appstream
# checks its software centre metadata, file tells stripped programs, librsvg2-bin draws the
# icons from the SVG
# (scripts/make-icons.sh).
package_packages=(debhelper dpkg-dev lintian appstream desktop-file-utils librsvg2-bin file)

# hyperfine and GNU time: the whole-process timings in bench/.
bench_packages=(hyperfine time)

wanted=()
for group in "$@"; do
  case "$group" in
    build) wanted+=("${build_packages[@]}") ;;
    test) wanted+=("${test_packages[@]}") ;;
    bench) wanted+=("${bench_packages[@]}") ;;
    package) wanted+=("${package_packages[@]}") ;;
    *) echo "unknown package group: $group" >&2; exit 2 ;;
  esac
done

missing=()
for package in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
