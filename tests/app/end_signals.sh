#!/usr/bin/env bash
# Moravel ended by SIGTERM, SIGINT or SIGHUP (a logout) leaves none of its working
# pages; after a kill -9 the next start removes them.
set -u
kestrane="$MORAVEL_BINARY_DIR/app/Kestrane"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
install="$root/data/moravel"
mkdir -p "$install" "$root/home"
printf 'Profile:Anna\nName:Anna Lee\nYourMonth:8\nYourDate:15\nYourYear:1966\n' > "$install/Anna.ini"
printf 'Profile:Anna Lee\nDescription:Anna\nAdjustment:Automatic\n' > "$install/mv.ini"
failures=0

start() {
    HOME="$root/home" XDG_DATA_HOME="$root/data" QT_QPA_PLATFORM=offscreen "$kestrane" >/dev/null 2>&1 &
    pid=$!
    # The Quick Tip line's page is written once the main window shows (and a page
    # left by a killed run is gone by then).
    for _ in $(seq 600); do
        [ -e "$install/tip_e.htm" ] && [ ! -e "$install/old.htm" ] && return 0
        sleep 0.05
    done
    echo "no working page appeared"; failures=$((failures + 1))
}

for signal in TERM INT HUP KILL; do
    start
    kill -s "$signal" "$pid"
    wait "$pid"
    status=$?
    if [ "$signal" = KILL ]; then
        mv "$install/tip_e.htm" "$install/old.htm"
        start  # the next start removes the page of the killed run
        kill -s TERM "$pid"; wait "$pid"; status=$?
    fi
    if [ "$status" -ne 0 ] || ls "$install"/*.htm >/dev/null 2>&1; then
        echo "SIG$signal: exit $status, pages left: $(ls "$install" | grep htm | tr '\n' ' ')"
        failures=$((failures + 1))
    fi
done
echo "$((4 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
