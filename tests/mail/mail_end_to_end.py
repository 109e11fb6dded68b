"""One message through MapiMailer, the real msmtp and a local SMTP server."""

import email
import email.policy
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.environ["MORAVEL_SOURCE_DIR"], "tests", "support"))
from smtp_sink import SmtpSink  # noqa: E402
from checks import check, failures  # noqa: E402

tool = os.path.join(os.environ["MORAVEL_BINARY_DIR"], "tests", "mail", "MailSendTool")


with tempfile.TemporaryDirectory() as root, SmtpSink() as sink:
    bin_dir = os.path.join(root, "bin")
    sink.install_sendmail(bin_dir)
    picture = os.path.join(root, "report.jpg")
    data = os.urandom(70000) + bytes(range(256))
    with open(picture, "wb") as f:
        f.write(data)
    subject = "Daily Report – Überblick für heute"
    # "anna@example.com; bob@example.org;" as the e-mail window splits it: the
    # blank and the empty recipient after the final ";" go out as given.
    env = dict(os.environ, PATH=bin_dir + ":" + os.environ["PATH"])
    run = subprocess.run(
        [tool, "--to", "anna@example.com", "--to", " bob@example.org", "--to", "", "--subject", subject,
         "--from-name", "Moravel", "--note", "Daily Report", "--attach", picture],
        env=env, capture_output=True, text=True, timeout=60)
    check(run.returncode == 0, f"send exit status {run.returncode}: {run.stderr}")

    messages = sink.wait_for(1)
    check(len(messages) == 1, f"{len(messages)} messages arrived")
    if messages:
        mail_from, rcpt_tos, content = messages[0]
        check(mail_from == "moravel@example.com", f"envelope sender {mail_from}")
        check(rcpt_tos == ["anna@example.com", "bob@example.org"], f"recipients {rcpt_tos}")
        message = email.message_from_bytes(content, policy=email.policy.default)
        check(str(message["Subject"]) == subject, f"subject {message['Subject']!r}")
        check(message["From"].addresses[0].display_name == "Moravel", f"from {message['From']!r}")
        check(message["From"].addresses[0].addr_spec == "moravel@example.com", f"from {message['From']!r}")
        check(message["Date"] is not None and message["Message-ID"] is not None, "date and message id")
        parts = list(message.iter_parts())
        check(len(parts) == 2, f"{len(parts)} parts")
        if len(parts) == 2:
            check(parts[0].get_content() == "Daily Report ", f"body {parts[0].get_content()!r}")
            check(parts[1].get_filename() == "report.jpg", f"file name {parts[1].get_filename()!r}")
            check(parts[1].get_content_type() == "image/jpeg", parts[1].get_content_type())
            check(parts[1].get_content() == data, "attachment bytes differ from the file")

sys.exit(1 if failures else 0)
