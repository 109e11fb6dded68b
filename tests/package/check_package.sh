#!/usr/bin/env bash
# The package as a distribution checks it, and as a user runs it unpacked.
set -uo pipefail
out=$MORAVEL_PACKAGE_DIR
root=$out/root
deb=$(ls "$out"/dist/moravel_[0-9]*.deb)
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# No error, warning, info or pedantic note from lintian (overrides would say why).
said=$(lintian --pedantic "$deb" 2>&1 | grep -v '^running with root privileges')
[[ -z $said ]] || fail "lintian: $said"

appstreamcli validate --no-net "$root/usr/share/metainfo/org.moravel.Moravel.metainfo.xml" >"$out/appstream.log" 2>&1 ||
  fail "appstreamcli: $(cat "$out/appstream.log")"
grep -q '^[EW]:' "$out/appstream.log" && fail "appstreamcli warns: $(cat "$out/appstream.log")"
said=$(desktop-file-validate "$root/usr/share/applications/org.moravel.Moravel.desktop" 2>&1) || fail "desktop entry: $said"
[[ -z $said ]] || fail "desktop-file-validate: $said"

# The file list: what the package holds, and nothing else.
listed=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./||; /\/$/d' | sort)
expected=$(sort "$MORAVEL_SOURCE_DIR/tests/package/files.txt")
[[ $listed == "$expected" ]] || fail "file list differs:
$(diff <(echo "$expected") <(echo "$listed"))"
# Stripped programs: their symbols are in the debug package.
for program in "$root"/usr/libexec/moravel/*; do
  file -b "$program" | grep -q ', stripped' || fail "$program is not stripped"
done

# The release follows the news and the changelog.
version=$(dpkg-deb -f "$deb" Version)
news=$(head -1 "$MORAVEL_SOURCE_DIR/NEWS")
[[ $news == "Moravel $version ("*")" ]] || fail "NEWS begins with '$news', not version $version"
date=${news##*(}; date=${date%)}
grep -q "<release version=\"$version\" date=\"$date\"" "$root/usr/share/metainfo/org.moravel.Moravel.metainfo.xml" ||
  fail "the metainfo has no release $version of $date"

# The unpacked tree runs: its program finds its pictures beside it, and the user's
# data folder holds only the data.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/data/moravel"
printf 'Profile:Ann\nName:Ann Lee\nYourMonth:3\nYourDate:4\nYourYear:1970\n' >"$home/data/moravel/Ann.ini"
printf 'Profile:Ann Lee\nDescription:Ann\nAdjustment:Automatic\n' >"$home/data/moravel/mv.ini"
run() { env -i HOME="$home" XDG_DATA_HOME="$home/data" PATH=/usr/bin:/bin "$root/usr/bin/moravel" "$@"; }
report=$(run report --profile Ann --date 2004-03-15 2>&1) || fail "moravel report: $report"
[[ $report == *"Day Reading:"* ]] || fail "moravel report printed: $report"
run picture --profile Ann --date 2004-03-15 --output "$home/day.png" >/dev/null 2>&1 || fail "moravel picture failed"
[[ $(run --version) == *"$version"* ]] || fail "moravel --version: $(run --version)"
left=$(cd "$home/data/moravel" && ls -A | tr '\n' ' ')
[[ $left == "Ann.ini mv.ini " ]] || fail "InstallDir holds: $left"
MANPATH="$root/usr/share/man" man -w moravel >/dev/null 2>&1 || fail "man moravel finds no page"

((failures == 0)) && echo "package checked"
exit $((failures > 0))
