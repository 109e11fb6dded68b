#!/usr/bin/env bash
# A private session bus (dbus) and the system's python with python3-dbusmock.
exec dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/notification_run.py"
