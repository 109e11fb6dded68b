#!/usr/bin/env bash
# What each kind of run loads: the text commands and the plain scheduled run no Qt
# GUI library, a picture no widgets; the scheduled run opens its profile once; a
# missing module is said, not crashed on; only the printing module needs Qt's print
# support.
set -euo pipefail
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
export XDG_DATA_HOME="$root/data" HOME="$root/home"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
mkdir -p "$root/bin" "$HOME"
printf '#!/bin/sh\ncat > /dev/null\n' > "$root/bin/sendmail"
chmod +x "$root/bin/sendmail"
export PATH="$root/bin:$PATH"
kestrane="$MORAVEL_BINARY_DIR/app/Kestrane"
install="$XDG_DATA_HOME/moravel/"
mkdir -p "$install"
printf 'Profile:Anna\nName:Anna Lee\nYourMonth:8\nYourDate:15\nYourYear:1966\n' > "$install/Anna.ini"
printf 'Profile:Anna Lee\nDescription:Anna\nAdjustment:Automatic\n' > "$install/mv.ini"
task() { printf 'Profile:%sAnna.ini\nEmail:anna@example.org\nTime:7:5AM\nType:%s\n' "$install" "$1" > "$install/task.dtr"; }
fail=0

# run NAME LOADS NOT_LOADED PROFILE_OPENS COMMAND...: PROFILE_OPENS "-" is not counted.
run() {
  local name=$1 loads=$2 absent=$3 opens=$4
  shift 4
  strace -f -qq -e trace=openat -o "$root/trace" "$@" > /dev/null 2> "$root/said" || { echo "$name: status $?"; cat "$root/said"; fail=1; }
  for lib in $loads; do grep -q "/$lib\.so" "$root/trace" || { echo "$name: $lib not loaded"; fail=1; }; done
  for lib in $absent; do ! grep -q "/$lib\.so" "$root/trace" || { echo "$name: loads $lib"; fail=1; }; done
  local seen
  seen=$(grep -c 'Anna\.ini"' "$root/trace" || true)
  [[ $opens == - || $seen == "$opens" ]] || { echo "$name: the profile opened $seen times"; fail=1; }
}
task 0; run "plain scheduled run" "libQt6Core libQt6DBus" "libQt6Gui kestrane-windows kestrane-pictures" 1 "$kestrane" "${install}task.dtr"
task 1; run "colour scheduled run" "libQt6Gui kestrane-pictures" "libQt6Widgets kestrane-windows" 1 "$kestrane" "${install}task.dtr"
run "report command" "" "libQt6Gui kestrane-" 1 "$kestrane" report --profile Anna --days 31
run "picture command" "libQt6Gui kestrane-pictures" "libQt6Widgets kestrane-windows" - \
  "$kestrane" picture --profile Anna --output "$root/anna.png"

# A copy without its modules says what is missing instead of starting half a program.
mkdir "$root/alone"
cp "$kestrane" "$root/alone/"
status=0
"$root/alone/Kestrane" picture --profile Anna --output "$root/b.png" 2> "$root/said" || status=$?
if [[ $status -ne 1 ]] || ! grep -q "cannot load $root/alone/kestrane-pictures.so" "$root/said"; then
  echo "without its modules: status $status"; cat "$root/said"; fail=1
fi
for part in app/kestrane-windows.so installer/installer uninstaller/uninstall uninstaller/delete; do
  ! readelf -d "$MORAVEL_BINARY_DIR/$part" | grep -q PrintSupport || { echo "$part links Qt's print support"; fail=1; }
done
exit $fail
