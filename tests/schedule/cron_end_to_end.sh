#!/usr/bin/env bash
# The daily delivery through the real cron daemon; the system's python has aiosmtpd.
exec /usr/bin/python3 "$(dirname "$0")/cron_end_to_end.py"
