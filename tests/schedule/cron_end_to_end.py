"""The daily delivery as a user gets it: the work item goes into the real crontab,
the real cron daemon starts Kestrane at the next minute, and the plain-text report
reaches a local SMTP server through msmtp. Exits 77 (skipped) where no cron daemon
can run. The crontab is restored as it was, whatever happens. On a failure it
prints what cron, the program and msmtp logged."""

import datetime
import email
import email.policy
import os
import shutil
import subprocess
import sys
import socket
import tempfile
import threading
import time

sys.path.insert(0, os.path.join(os.environ["MORAVEL_SOURCE_DIR"], "tests", "support"))
from smtp_sink import SmtpSink  # noqa: E402
from checks import check, failures  # noqa: E402

SKIP = 77
binary_dir = os.environ["MORAVEL_BINARY_DIR"]
kestrane = os.path.join(binary_dir, "app", "Kestrane")
tool = os.path.join(binary_dir, "tests", "schedule", "ScheduleTool")


def skip(reason):
    print("SKIP:", reason)
    sys.exit(SKIP)


def cron_runs():
    for pid in os.listdir("/proc"):
        try:
            with open(f"/proc/{pid}/comm") as f:
                if f.read().strip() in ("cron", "crond"):
                    return True
        except OSError:
            pass
    return False


def read_crontab():
    run = subprocess.run(["crontab", "-l"], capture_output=True, text=True)
    if run.returncode == 0:
        return run.stdout
    if "no crontab for" in run.stderr:
        return None
    raise RuntimeError("crontab -l failed: " + run.stderr)


def write_crontab(table):
    if table is None:
        subprocess.run(["crontab", "-r"], capture_output=True)
    else:
        subprocess.run(["crontab", "-"], input=table, text=True, check=True)


class SyslogCatcher:
    """Keeps what cron sends to syslog, where no syslog daemon listens (a container)."""

    PATH = "/dev/log"

    def __init__(self):
        self.lines = []
        self.sock = None
        if os.path.exists(self.PATH):
            return
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_DGRAM)
        self.sock.bind(self.PATH)
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        while True:
            try:
                data = self.sock.recv(4096)
            except OSError:
                return
            self.lines.append(f"{datetime.datetime.now():%H:%M:%S} " + data.decode(errors="replace"))

    def close(self):
        if self.sock is not None:
            self.sock.close()
            os.unlink(self.PATH)


def next_safe_minute():
    """The next minute's start, once the clock is well inside a minute: cron reads the
    crontab again only when its folder's time in seconds changed since its last look,
    at the top of each minute, so a write in that second could go unseen."""
    while not 3 <= datetime.datetime.now().second <= 40:
        time.sleep(0.2)
    return datetime.datetime.now().replace(second=0, microsecond=0) + datetime.timedelta(minutes=1)


if os.geteuid() != 0:
    skip("the end-to-end schedule test starts the cron daemon and needs root")
if not shutil.which("crontab") or not shutil.which("cron"):
    skip("no cron and crontab programs here (package cron)")

root = tempfile.mkdtemp(prefix="moravel-cron-")
program_log = os.path.join(root, "program.log")
msmtp_log = os.path.join(root, "msmtp.log")
daemon_log = os.path.join(root, "cron.log")
syslog = SyslogCatcher()
daemon = None
if not cron_runs():
    with open(daemon_log, "w") as log:
        daemon = subprocess.Popen(["cron", "-f", "-L", "15"], stdout=log, stderr=log)
    deadline = time.monotonic() + 10
    while not cron_runs() and daemon.poll() is None and time.monotonic() < deadline:
        time.sleep(0.05)
    if daemon.poll() is not None:
        syslog.close()
        shutil.rmtree(root, ignore_errors=True)
        skip(f"the cron daemon could not be started (exit status {daemon.returncode})")


def print_logs():
    print("cron's syslog lines:\n" + "".join(syslog.lines) if syslog.sock else "cron logs to the system's syslog")
    for name, path in (("cron daemon", daemon_log), ("program", program_log), ("msmtp", msmtp_log)):
        text = open(path, errors="replace").read() if os.path.exists(path) else "(nothing)\n"
        print(f"{name} log:\n{text}")


def without_leftovers(table):
    """The table less what a run of this test that was killed left in it: its PATH line
    with the MAILTO line after it, and lines that name one of its folders."""
    if table is None:
        return None
    kept, lines = [], table.splitlines(keepends=True)
    for i, line in enumerate(lines):
        ours = "/moravel-cron-" in line and "/tmp" in line
        after_ours = line == 'MAILTO=""\n' and i > 0 and lines[i - 1].startswith("PATH=") and \
            "/moravel-cron-" in lines[i - 1]
        if not ours and not after_ours:
            kept.append(line)
    return "".join(kept) or None


original = without_leftovers(read_crontab())
try:
    with SmtpSink() as sink:
        bin_dir = os.path.join(root, "bin")
        sink.install_sendmail(bin_dir, log=msmtp_log)
        # A data folder with a blank and a quote in its name.
        data = os.path.join(root, "it's data")
        install = os.path.join(data, "moravel") + "/"
        os.makedirs(install + "Reports")
        # The program as cron starts it, noting when it ran, what it said and how it ended.
        with open(install + "Kestrane", "w") as f:
            f.write(f'#!/bin/sh\necho "$(date +%T) started in $(pwd): $*" >> "{program_log}"\n'
                    f'"{kestrane}" "$@" >> "{program_log}" 2>&1\nstatus=$?\n'
                    f'echo "$(date +%T) exit status $status" >> "{program_log}"\nexit $status\n')
        os.chmod(install + "Kestrane", 0o755)
        with open(install + "Anna.ini", "w") as f:
            f.write("Profile:Anna\nName:Anna Lee\nYourMonth:8\nYourDate:15\nYourYear:1966\n")
        env = dict(os.environ, XDG_DATA_HOME=data, HOME=os.path.join(root, "home"))

        # cron's own PATH is minimal: the lines after this one find the test's sendmail.
        write_crontab((original or "") + f"PATH={bin_dir}:/usr/bin:/bin\nMAILTO=\"\"\n")

        # On a busy machine scheduling can take long enough to miss its minute: then again.
        for attempt in range(3):
            at = next_safe_minute()
            run = subprocess.run([tool, "schedule", install + "Anna.ini", "anna@example.org", str(at.hour),
                                  str(at.minute), "0"], env=env, capture_output=True, text=True, timeout=60)
            if run.returncode != 0 or datetime.datetime.now() < at - datetime.timedelta(seconds=2):
                break
            print(f"scheduling for {at:%H:%M} ended too late, at {datetime.datetime.now():%H:%M:%S}")
            subprocess.run([tool, "delete"], env=env, capture_output=True, timeout=60)
        check(run.returncode == 0, f"scheduling failed: {run.stderr}")
        table = read_crontab() or ""
        print("crontab now:\n" + table)
        check(f"{at.minute} {at.hour} * * * " in table and table.endswith("# Daily Analysis Report\n"),
              "the active line at the chosen time ends the crontab")

        deadline = at + datetime.timedelta(seconds=100)
        print(f"waiting for the delivery at {at:%H:%M} (until {deadline:%H:%M:%S})")
        while not sink.messages and datetime.datetime.now() < deadline:
            time.sleep(1)
        messages = sink.wait_for(1, seconds=1)
        check(len(messages) == 1, f"{len(messages)} messages arrived from the scheduled run")
        if messages:
            _, rcpt_tos, content = messages[0]
            message = email.message_from_bytes(content, policy=email.policy.default)
            check(rcpt_tos == ["anna@example.org"], f"recipients {rcpt_tos}")
            check(str(message["Subject"]) == "Daily Report", f"subject {message['Subject']!r}")
            body = message.get_body(("plain",)).get_content()
            lines = body.splitlines()
            print("report:\n" + body)
            check(len(lines) >= 9 and "".join(lines[9:]).strip() == "", f"{len(lines)} lines in the report")
            labels = ["Emotional", "Physical", "Intellectual", "Intuition", "Fortune"]
            for line, label in zip(lines[1:6], labels):
                check(line.startswith(label + " Reading: ") and line.endswith("%"), f"line {line!r}")

        run = subprocess.run([tool, "delete"], env=env, capture_output=True, text=True, timeout=60)
        check(run.returncode == 0, "the work item could not be deleted")
        check("# Daily Analysis Report" not in (read_crontab() or ""), "the work item is gone")
finally:
    if failures:
        print_logs()
    write_crontab(original)
    if daemon is not None:
        daemon.terminate()
        daemon.wait(timeout=10)
    syslog.close()
    shutil.rmtree(root, ignore_errors=True)

check(read_crontab() == original, "the crontab is back as it was")
sys.exit(1 if failures else 0)
