"""The scheduled run on a desktop: Kestrane started with the task file's path on
a private session bus whose notification service is a mock; mail caught by a
stub sendmail; the program that "Open" starts is a recording stand-in."""

import email
import email.policy
import os
import subprocess
import sys
import tempfile
import time

import dbus

source_dir = os.environ["MORAVEL_SOURCE_DIR"]
binary_dir = os.environ["MORAVEL_BINARY_DIR"]
sys.path.insert(0, os.path.join(source_dir, "tests", "support"))
from smtp_sink import install_stub_sendmail, stub_messages  # noqa: E402
from checks import check, failures  # noqa: E402

kestrane = os.path.join(binary_dir, "app", "Kestrane")
NAME = "org.freedesktop.Notifications"
PATH = "/org/freedesktop/Notifications"
BODY = ("March 15, 2004\nEmotional Reading: 100%\nPhysical Reading: 20%\nIntellectual Reading: 50%\n"
        "Intuition Reading: 10%\nFortune Reading: 10%\nDay Reading: Normal Day")


def wait_until(test, seconds=60):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        result = test()
        if result:
            return result
        time.sleep(0.05)
    return test()


class Mock:
    """The notification daemon template of python-dbusmock on the session bus."""

    def __init__(self):
        self.process = subprocess.Popen(["/usr/bin/python3", "-m", "dbusmock", "--template", "notification_daemon"],
                                        stdout=subprocess.DEVNULL)
        bus = dbus.SessionBus()
        if not wait_until(lambda: bus.name_has_owner(NAME)):
            raise RuntimeError("the mock notification service did not start")
        self.mock = dbus.Interface(bus.get_object(NAME, PATH), "org.freedesktop.DBus.Mock")
        self.shown = 0

    def wait_notify(self):
        calls = wait_until(lambda: self.mock.GetMethodCalls("Notify")[self.shown:])
        if not calls:
            return None
        self.shown += 1
        return [a for a in calls[0][1]]

    def emit(self, signal, signature, args):
        self.mock.EmitSignal(NAME, signal, signature, args)

    def stop(self):
        self.process.terminate()
        self.process.wait(timeout=30)


class Install:
    def __init__(self, root, delivery, mail_program):
        self.root = root
        self.data = os.path.join(root, "data")
        self.dir = os.path.join(self.data, "moravel") + "/"
        self.bin = os.path.join(root, "bin")
        os.makedirs(self.dir + "Reports")
        os.makedirs(self.bin)
        if mail_program:
            install_stub_sendmail(self.bin)
        with open(self.dir + "Anna.ini", "w") as f:
            f.write("Profile:Anna\nName:Anna Lee\nYourMonth:8\nYourDate:15\nYourYear:1966\n")
        with open(self.dir + "task.dtr", "w") as f:
            f.write(f"Profile:{self.dir}Anna.ini\nEmail:anna@example.com\nTime:7:5AM\nType:0\n")
            if delivery:
                f.write(f"Delivery:{delivery}\n")
        # What "Open" starts: it records its arguments.
        with open(self.dir + "Kestrane", "w") as f:
            f.write('#!/bin/sh\nprintf "%s\\n" "$PWD" "$@" > opened.part && mv opened.part opened\n')
        os.chmod(self.dir + "Kestrane", 0o755)

    def start(self):
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        env.update(XDG_DATA_HOME=self.data, HOME=self.root, PATH=self.bin + ":/usr/bin:/bin")
        # The clock starts on her Emotional peak and runs on.
        return subprocess.Popen(["faketime", "-f", "@2004-03-15 08:00:00", kestrane, self.dir + "task.dtr"], env=env,
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)

    def mails(self):
        return [email.message_from_bytes(m, policy=email.policy.default) for m in stub_messages(self.bin)] \
            if os.path.exists(self.bin + "/sendmail") else []

    def opened(self):
        path = self.dir + "opened"
        if not os.path.exists(path):
            return None
        with open(path) as f:
            return f.read().split("\n")[:-1]


def finish(run, what):
    try:
        out, err = run.communicate(timeout=60)
    except subprocess.TimeoutExpired:
        run.kill()
        check(False, f"{what}: still running")
        return
    check(run.returncode == 0 and out == "" and err == "", f"{what}: exit {run.returncode} {out!r} {err!r}")


no_mail_anywhere = not any(os.path.exists(p) for p in ("/usr/sbin/sendmail", "/usr/lib/sendmail"))

with tempfile.TemporaryDirectory() as root:
    mock = Mock()

    # Both: the reading on the desktop and in the mail; "Open" starts the open command.
    install = Install(os.path.join(root, "both"), "both", True)
    run = install.start()
    notify = mock.wait_notify()
    if check(notify is not None, "both: no notification"):
        app, replaces, icon, summary, body, actions, hints = notify[:7]
        check(app == "Moravel", f"both: app {app!r}")
        # The theme icon and the desktop entry by the application id, never a path.
        check(icon == "org.moravel.Moravel", f"both: icon {icon!r}")
        check(dict(hints) == {"desktop-entry": "org.moravel.Moravel"}, f"both: hints {dict(hints)!r}")
        check(summary == "Daily Analysis \u2013 Anna Lee", f"both: summary {summary!r}")
        check(body == BODY, f"both: body {body!r}")
        check(list(actions) == ["default", "Open"], f"both: actions {list(actions)}")
        check(wait_until(lambda: len(install.mails()) == 1), "both: no mail")
        mock.emit("ActionInvoked", "us", [dbus.UInt32(mock.shown), "default"])
        finish(run, "both")
        opened = wait_until(install.opened)
        check(opened == [install.dir[:-1], "open", "--profile", "Anna", "--date", "2004-03-15"],
              f"both: opened {opened}")

    # E-mail chosen, no mail program: the desktop still shows it; closing ends the run.
    if no_mail_anywhere:
        install = Install(os.path.join(root, "nomail"), None, False)
        run = install.start()
        notify = mock.wait_notify()
        if check(notify is not None, "no mail: no notification"):
            check(notify[4] == BODY, f"no mail: body {notify[4]!r}")
            mock.emit("NotificationClosed", "uu", [dbus.UInt32(mock.shown), dbus.UInt32(2)])
            finish(run, "no mail")
            check(install.opened() is None, "no mail: something was opened")

    # E-mail alone with a mail program: no notification.
    install = Install(os.path.join(root, "mail"), None, True)
    finish(install.start(), "mail only")
    check(len(install.mails()) == 1, "mail only: no mail")
    check(len(mock.mock.GetMethodCalls("Notify")) == mock.shown, "mail only: a notification")

    # No notification service: no notification, no error, the mail still goes.
    mock.stop()
    install = Install(os.path.join(root, "noservice"), "both", True)
    finish(install.start(), "no service")
    check(len(install.mails()) == 1, "no service: no mail")

sys.exit(1 if failures else 0)
