#!/usr/bin/env bash
# The scheduled start: no display at all, the task file's path as the command line.
# It must pick the offscreen platform itself and end on its own.
set -euo pipefail
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
export XDG_DATA_HOME="$root/data" HOME="$root/home"
mkdir -p "$root/bin" "$HOME"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
# Mail goes nowhere: a sendmail that only keeps what it reads.
printf '#!/bin/sh\ncat > "%s/mail.txt"\n' "$root" > "$root/bin/sendmail"
chmod +x "$root/bin/sendmail"
export PATH="$root/bin:$PATH"
kestrane="$MORAVEL_BINARY_DIR/app/Kestrane"
install="$XDG_DATA_HOME/moravel/"

mkdir -p "$install"
printf 'Profile:%sAnna.ini\nEmail:anna@example.org\nTime:7:5AM\nType:0\n' "$install" > "$install/task.dtr"
printf 'Profile:Anna\nName:Anna Lee\nYourMonth:8\nYourDate:15\nYourYear:1966\n' > "$install/Anna.ini"

# The scheduler mails anything the run prints, so it must print nothing, even where
# Qt would complain (no XDG_RUNTIME_DIR under cron).
unset XDG_RUNTIME_DIR
timeout 60 "$kestrane" "${install}task.dtr" > "$root/said.txt" 2>&1
if [[ -s "$root/said.txt" ]]; then
  echo "the scheduled run printed:"; cat "$root/said.txt"; exit 1
fi
[[ -d "${install}Reports" ]] || { echo "ReportsDir was not created"; exit 1; }

# The line outlived its task (no task file, or one without profile or address) and
# there is no display: the run ends at once, says nothing and opens nothing.
for task in none "Email:anna@example.org" "Profile:${install}Anna.ini"; do
  rm -f "$install/task.dtr" "$install/effects.htm"
  [[ $task == none ]] || printf '%s\n' "$task" > "$install/task.dtr"
  status=0
  timeout 60 "$kestrane" "${install}task.dtr" > "$root/said.txt" 2>&1 || status=$?
  if [[ $status -ne 0 || -s "$root/said.txt" || -e "$install/effects.htm" ]]; then
    echo "task '$task' without a display: status $status, printed:"; cat "$root/said.txt"; exit 1
  fi
done

# Where a window can be shown (here the offscreen platform, chosen on purpose) the
# same start is the interactive one: with no profiles yet it writes the welcome page.
rm -f "$install/task.dtr"
QT_QPA_PLATFORM=offscreen "$kestrane" "${install}task.dtr" > "$root/said.txt" 2>&1 &
pid=$!
for _ in $(seq 600); do
  [[ -e "$install/effects.htm" ]] || ! kill -0 "$pid" 2>/dev/null && break
  sleep 0.1
done
started=no
kill -0 "$pid" 2>/dev/null && [[ -e "$install/effects.htm" ]] && started=yes
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
[[ $started == yes ]] || { echo "no interactive start with a display"; cat "$root/said.txt"; exit 1; }
echo "unattended start ended cleanly"
