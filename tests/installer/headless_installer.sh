#!/usr/bin/env bash
# The installer where no display can be opened (ssh, a container): one line that
# says where Moravel is and how to finish on a desktop, exit 0, no Qt abort.
set -u
installer="$MORAVEL_BINARY_DIR/installer/installer"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failed=0
# name | environment beside the isolated folders
while IFS='|' read -r name environment; do
  mkdir -p "$root/$name/home"
  output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_DATA_HOME="$root/$name/data" \
    HOME="$root/$name/home" XDG_RUNTIME_DIR="$root/$name" $environment "$installer" 2>&1 </dev/null)
  status=$?
  if [[ $status -ne 0 || $(printf '%s\n' "$output" | wc -l) -ne 1 ||
        "$output" != "Moravel is installed in $root/$name/data/moravel/;"*"installer to finish setting it up"* ]]; then
    echo "FAIL $name: exit $status, output:"; printf '%s\n' "$output"; failed=1
  fi
done <<'TABLE'
nothing set|
X server gone|DISPLAY=:97
Wayland socket gone|WAYLAND_DISPLAY=wayland-97
TABLE
exit $failed
