#!/usr/bin/env bash
# The system's python has aiosmtpd (python3-aiosmtpd).
exec /usr/bin/python3 "$(dirname "$0")/unattended_delivery.py"
