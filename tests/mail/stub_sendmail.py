#!/usr/bin/env python3
# Stands in for sendmail: records the message it reads as JSON in $STUB_MAIL_OUT
# and exits with $STUB_MAIL_EXIT (0 when unset).
import base64
import email
import email.header
import email.policy
import json
import os
import sys

raw = sys.stdin.buffer.read()
message = email.message_from_bytes(raw, policy=email.policy.default)
summary = {
    "args": sys.argv[1:],
    "to": str(message["To"]),
    "subject": str(message["Subject"]),
    "body": None,
    "attachments": [],
}
for part in message.walk():
    if part.is_multipart():
        continue
    if part.get_content_disposition() == "attachment":
        summary["attachments"].append({
            "name": part.get_filename(),
            "type": part.get_content_type(),
            "bytes": base64.b64encode(part.get_payload(decode=True)).decode(),
        })
    elif summary["body"] is None:
        summary["body"] = part.get_payload(decode=True).decode("utf-8")
with open(os.environ["STUB_MAIL_OUT"], "w") as out:
    json.dump(summary, out)
sys.exit(int(os.environ.get("STUB_MAIL_EXIT", "0")))
