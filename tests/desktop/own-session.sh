#!/bin/sh
# Runs the system's python on a session bus of its own, with a runtime folder of its own:
# the accessibility bus puts its socket in that folder (in ~/.cache without one), so two
# tests side by side never take each other's bus.
XDG_RUNTIME_DIR=$(mktemp -d) || exit 1
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
dbus-run-session -- /usr/bin/python3 "$@"
