#!/usr/bin/env bash
# The system's python has icalendar (python3-icalendar).
exec /usr/bin/python3 "$(dirname "$0")/command_line.py"
