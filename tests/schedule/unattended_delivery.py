"""The scheduled delivery as a whole process: Kestrane started with the task
file's path, no display, today fixed by faketime, mail caught by a stub
sendmail (and once by the real msmtp and a local SMTP server)."""

import glob
import email
import email.policy
import os
import shutil
import subprocess
import sys
import tempfile

source_dir = os.environ["MORAVEL_SOURCE_DIR"]
binary_dir = os.environ["MORAVEL_BINARY_DIR"]
sys.path.insert(0, os.path.join(source_dir, "tests", "support"))
from smtp_sink import SmtpSink, install_stub_sendmail, stub_messages  # noqa: E402
from checks import check, failures  # noqa: E402

kestrane = os.path.join(binary_dir, "app", "Kestrane")
image_info = os.path.join(binary_dir, "tests", "reports", "ImageInfo")
qt_plugins = subprocess.run(["qtpaths6", "--query", "QT_INSTALL_PLUGINS"], capture_output=True,
                            text=True).stdout.strip() or "/usr/lib/x86_64-linux-gnu/qt6/plugins"

# Anna Lee, born 15 August 1966, on 15 March 2004: her Emotional peak.
PEAK_DAY = "2004-03-15 08:00:00"
ANNA_REPORT = (
    "Daily Analysis - March 15, 2004  - Anna Lee -  Automatic Calibration\n"
    "Emotional Reading: 100%\n"
    "Physical Reading: 20%\n"
    "Intellectual Reading: 50%\n"
    "Intuition Reading: 10%\n"
    "Fortune Reading: 10%\n"
    "Day Reading: Normal Day\n"
    "Evil Eye Reading: Susceptible to the Evil Eye\n"
    "Lottery Numbers: 8  17  20  39  49  28 \n"
)


class Install:
    """A fresh XDG_DATA_HOME with one profile, a task file and a stub sendmail."""

    def __init__(self, root, task_type, profile=True):
        self.root = root
        self.data = os.path.join(root, "data")
        self.dir = os.path.join(self.data, "moravel") + "/"
        self.reports = self.dir + "Reports/"
        self.bin = os.path.join(root, "bin")
        os.makedirs(self.reports)
        os.makedirs(os.path.join(root, "home"))
        install_stub_sendmail(self.bin)
        if profile:
            with open(self.dir + "Anna.ini", "w") as f:
                f.write("Profile:Anna\nName:Anna Lee\nYourMonth:8\nYourDate:15\nYourYear:1966\n")
        with open(self.dir + "task.dtr", "w") as f:
            f.write(f"Profile:{self.dir}Anna.ini\nEmail:anna@example.com\nTime:7:5AM\nType:{task_type}\n")

    def run(self, program=kestrane, extra_env=None, path_first=None):
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        env.update(XDG_DATA_HOME=self.data, HOME=os.path.join(self.root, "home"),
                   PATH=(path_first or self.bin) + ":" + os.environ["PATH"])
        env.update(extra_env or {})
        return subprocess.run(["faketime", PEAK_DAY, program, self.dir + "task.dtr"], env=env,
                              capture_output=True, text=True, timeout=120)

    def messages(self):
        return [email.message_from_bytes(m, policy=email.policy.default) for m in stub_messages(self.bin)]

    def args(self, n=0):
        with open(os.path.join(self.bin, f"args-{n}")) as f:
            return f.read().split("\n")[:-1]


def check_plain_message(install, expected_text, what):
    messages = install.messages()
    if not check(len(messages) == 1, f"{what}: {len(messages)} messages"):
        return
    message = messages[0]
    check(message["To"] == "anna@example.com", f"{what}: To {message['To']!r}")
    check(message["Subject"] == "Daily Report", f"{what}: Subject {message['Subject']!r}")
    check(not message.is_multipart(), f"{what}: has attachments")
    body = message.get_content()
    check(body == expected_text, f"{what}: body {body!r}")
    check(body.count("\n") == 9, f"{what}: {body.count(chr(10))} lines")
    check(install.args() == ["-i", "-t", "-F", "Moravel"], f"{what}: args {install.args()}")


def jpeg_size(path):
    result = subprocess.run([image_info, path], capture_output=True, text=True)
    return result.stdout.strip()


with tempfile.TemporaryDirectory() as root:
    # Plain text: the nine lines, the peak unlimited; no picture.
    install = Install(os.path.join(root, "plain"), 0)
    run = install.run()
    check(run.returncode == 0, f"plain: exit {run.returncode} {run.stderr}")
    check_plain_message(install, ANNA_REPORT, "plain")
    check(not os.path.exists(install.reports + "report.jpg"), "plain: report.jpg written")

    # Full colour: one message with the note and the picture, which stays in ReportsDir.
    install = Install(os.path.join(root, "colour"), 1)
    run = install.run()
    check(run.returncode == 0, f"colour: exit {run.returncode} {run.stderr}")
    messages = install.messages()
    if check(len(messages) == 1, f"colour: {len(messages)} messages"):
        message = messages[0]
        check(message["Subject"] == "Daily Report", f"colour: Subject {message['Subject']!r}")
        parts = list(message.iter_parts())
        if check(len(parts) == 2, f"colour: {len(parts)} parts"):
            check(parts[0].get_content() == "Daily Report ", f"colour: body {parts[0].get_content()!r}")
            check(parts[1].get_filename() == "report.jpg", f"colour: name {parts[1].get_filename()!r}")
            attached = os.path.join(root, "attached.jpg")
            with open(attached, "wb") as f:
                f.write(parts[1].get_content())
            check(jpeg_size(attached) == "780x550", f"colour: attachment decodes to {jpeg_size(attached)!r}")
            with open(install.reports + "report.jpg", "rb") as f:
                check(f.read() == parts[1].get_content(), "colour: attachment differs from report.jpg")

    # Full colour without a JPEG encoder: Qt finds no image format plugins, so the
    # plain text goes out instead, and an old picture is not sent.
    install = Install(os.path.join(root, "noencoder"), 1)
    with open(install.reports + "report.jpg", "wb") as f:
        f.write(b"old picture")
    plugins = os.path.join(root, "plugins")
    os.makedirs(plugins)
    os.symlink(os.path.join(qt_plugins, "platforms"), os.path.join(plugins, "platforms"))
    program_dir = os.path.join(root, "program")
    os.makedirs(program_dir)
    copy = shutil.copy(kestrane, program_dir)
    for module in glob.glob(os.path.join(os.path.dirname(kestrane), "kestrane-*.so")):  # the program's own parts
        shutil.copy(module, program_dir)
    with open(os.path.join(program_dir, "qt.conf"), "w") as f:
        f.write(f"[Paths]\nPlugins={plugins}\n")
    run = install.run(program=copy, extra_env={"QT_PLUGIN_PATH": plugins})
    check(run.returncode == 0, f"no encoder: exit {run.returncode} {run.stderr}")
    check_plain_message(install, ANNA_REPORT, "no encoder")
    check(not os.path.exists(install.reports + "report.jpg"), "no encoder: old report.jpg left")

    # The profile file is gone: nothing is mailed, the failure is named for the scheduler.
    install = Install(os.path.join(root, "noprofile"), 0, profile=False)
    run = install.run()
    check(run.returncode == 1 and run.stderr.count("\n") == 1 and "Anna.ini" in run.stderr,
          f"no profile: exit {run.returncode} {run.stderr!r}")
    check(install.messages() == [], "no profile: a message was sent")

    # The whole way out: real msmtp to a local SMTP server.
    install = Install(os.path.join(root, "msmtp"), 1)
    with SmtpSink() as sink:
        wrapper_dir = os.path.join(root, "msmtp-bin")
        sink.install_sendmail(wrapper_dir)
        run = install.run(path_first=wrapper_dir)
        check(run.returncode == 0, f"msmtp: exit {run.returncode} {run.stderr}")
        arrived = sink.wait_for(1)
        if check(len(arrived) == 1, f"msmtp: {len(arrived)} messages arrived"):
            _, rcpt_tos, content = arrived[0]
            check(rcpt_tos == ["anna@example.com"], f"msmtp: recipients {rcpt_tos}")
            message = email.message_from_bytes(content, policy=email.policy.default)
            check(message["From"].addresses[0].display_name == "Moravel", f"msmtp: From {message['From']!r}")
            parts = list(message.iter_parts())
            if check(len(parts) == 2, f"msmtp: {len(parts)} parts"):
                with open(install.reports + "report.jpg", "rb") as f:
                    check(f.read() == parts[1].get_content(), "msmtp: attachment differs from report.jpg")

sys.exit(1 if failures else 0)
