"""The command line as whole processes without a display: the report in its three
formats against each other and against the scheduled mail, the calendar read by a
real iCalendar reader, the picture, and the data files left as they were."""

import datetime
import email
import email.policy
import json
import os
import subprocess
import sys
import tempfile

import icalendar

sys.path.insert(0, os.path.join(os.environ["MORAVEL_SOURCE_DIR"], "tests", "support"))
from checks import check, failures  # noqa: E402

kestrane = os.path.join(os.environ["MORAVEL_BINARY_DIR"], "app", "Kestrane")
assets = os.path.join(os.environ["MORAVEL_SOURCE_DIR"], "assets")


def run(*arguments, faked=None, data=None):
    command = [kestrane, *arguments]
    if faked:
        command = ["faketime", "-f", "@" + faked] + command
    return subprocess.run(command, env=dict(env, XDG_DATA_HOME=data) if data else env, capture_output=True,
                          timeout=120)


def make_unreadable(path, kind):
    """A file of the index's or a profile's name that no reader may take for empty."""
    if kind == "fifo":
        os.mkfifo(path)
    elif kind == "folder":
        os.mkdir(path)
    elif kind == "link to /dev/zero":
        os.symlink("/dev/zero", path)
    elif kind == "over 1 MB":
        with open(path, "w") as f:
            f.write("Profile:x\n" + "#" * (1 << 20))


def snapshot(folder):
    files = {}
    for path, _, names in os.walk(folder):
        for name in names:
            with open(os.path.join(path, name), "rb") as f:
                files[os.path.join(path, name)] = f.read()
    return files


with tempfile.TemporaryDirectory() as root:
    install = os.path.join(root, "data", "moravel") + "/"
    os.makedirs(install)
    os.makedirs(os.path.join(root, "home"))
    os.makedirs(os.path.join(root, "bin"))
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    # A window platform that needs a display: any GUI application would fail here.
    env.update(XDG_DATA_HOME=os.path.join(root, "data"), HOME=os.path.join(root, "home"), QT_QPA_PLATFORM="xcb",
               FAKETIME_DONT_FAKE_MONOTONIC="1", PATH=os.path.join(root, "bin") + ":" + os.environ["PATH"])
    with open(os.path.join(root, "bin", "sendmail"), "w") as f:
        f.write(f"#!/bin/sh\ncat > '{root}/mail.txt'\n")
    os.chmod(os.path.join(root, "bin", "sendmail"), 0o755)
    with open(install + "Anna.ini", "w") as f:
        f.write("Profile:Anna\nName:Anna Lee\nYourMonth:8\nYourDate:15\nYourYear:1966\n")
    with open(install + "Bob.ini", "w") as f:
        f.write("Profile:Bob\nName:Bob Lee\nYourMonth:12\nYourDate:22\nYourYear:1980\nMotherMonth:5\nMotherDate:3\n"
                "MotherYear:1950\nBadMonth:2\nBadDate:9\nBadYear:2020\nGoodMonth:6\nGoodDate:1\nGoodYear:2021\n")
    with open(install + "mv.ini", "w") as f:
        f.write("Profile:Anna Lee\nDescription:Anna\nAdjustment:Automatic\n"
                "Profile:Bob Lee\nDescription:Bob\nAdjustment:Manual\n")

    # Today's text is the scheduled plain-text mail's body, byte for byte.
    with open(install + "task.dtr", "w") as f:
        f.write(f"Profile:{install}Anna.ini\nEmail:anna@example.org\nTime:7:5AM\nType:0\n")
    faked = "2026-12-08 10:00:00"
    check(run(install + "task.dtr", faked=faked).returncode == 0, "the scheduled run failed")
    with open(os.path.join(root, "mail.txt"), "rb") as f:
        body = email.message_from_bytes(f.read(), policy=email.policy.default).get_content()
    today = run("report", "--profile", "Anna", faked=faked)
    check(today.returncode == 0 and today.stderr == b"", f"report: {today.returncode} {today.stderr!r}")
    check(today.stdout.decode() == body, f"report {today.stdout!r} differs from the mail {body!r}")
    check(today.stdout.startswith(b"Daily Analysis - December 8, 2026  - Anna Lee -"), today.stdout[:60])

    before = snapshot(install)
    # Over a year across the leap day of 2028: JSON and calendar against the text.
    first = datetime.date(2027, 12, 1)
    days = ["--profile", "Bob", "--date", first.isoformat(), "--days", "400"]
    text = run("report", *days)
    data = run("report", *days, "--format", "json")
    ics = run("report", *days, "--format", "ics")
    for name, result in [("text", text), ("json", data), ("ics", ics)]:
        check(result.returncode == 0 and result.stderr == b"", f"{name}: {result.returncode} {result.stderr!r}")
    reports = text.stdout.decode().split("\n\n")
    report = json.loads(data.stdout)
    check(len(reports) == 400 and len(report["days"]) == 400, f"{len(reports)} texts, {len(report['days'])} days")
    check((report["profile"], report["fullName"], report["calibration"]) == ("Bob", "Bob Lee", "Manual"), report)
    special = {}
    for i, (day, lines) in enumerate(zip(report["days"], (r.rstrip("\n").split("\n") for r in reports))):
        date = first + datetime.timedelta(days=i)
        values = [int(line.split(": ")[1].rstrip("%")) for line in lines[1:6]]
        expected = dict(date=date.isoformat(), **dict(zip(
            ["emotional", "physical", "intellectual", "intuition", "fortune"], [3 if v <= 0 else 99 if v >= 100 else v for v in values])),
            dayReading=lines[6].split(": ")[1], evilEye=lines[7].split(": ")[1],
            lottery=[int(n) for n in lines[8].split(": ")[1].split()], soulNumber=day["soulNumber"],
            zodiacSign="Capricorn")
        check(day == expected, f"{date}: {day} against the text {lines}")
        check(isinstance(day["soulNumber"], int), f"{date}: soul number {day['soulNumber']!r}")
        if day["dayReading"] in ("Good Day", "Bad Day"):
            special[date] = (day["dayReading"], reports[i] if reports[i].endswith("\n") else reports[i] + "\n")
    check(len(special) > 20, f"only {len(special)} good and bad days")

    raw = ics.stdout
    check(raw.endswith(b"\r\n") and b"\n" not in raw.replace(b"\r\n", b""), "calendar lines not ended by CR LF")
    check(max(len(line) for line in raw.split(b"\r\n")) <= 75, "a calendar line is longer than 75 octets")
    calendar = icalendar.Calendar.from_ical(raw)
    events = calendar.walk("VEVENT")
    check(len(events) == len(special), f"{len(events)} events for {len(special)} good and bad days")
    uids = set()
    for event in events:
        start = event.decoded("DTSTART")
        reading, plain = special.get(start, ("?", ""))
        check(str(event["SUMMARY"]) == reading + " \u2013 Bob Lee", f"{start}: summary {event['SUMMARY']!r}")
        check(str(event["DESCRIPTION"]) == plain, f"{start}: description {event['DESCRIPTION']!r}")
        check(event.decoded("DTEND") == start + datetime.timedelta(days=1), f"{start}: end {event.decoded('DTEND')}")
        check("DTSTAMP" in event, f"{start}: no DTSTAMP")
        uids.add(str(event["UID"]))
    check(len(uids) == len(events), "UIDs repeat")
    again = icalendar.Calendar.from_ical(run("report", "--profile", "Bob", "--date", "2028-01-01", "--days", "60", "--format", "ics").stdout)
    check({str(e["UID"]) for e in again.walk("VEVENT")} <= uids, "a second export gives other UIDs")

    # The picture without a display, JPEG or PNG by its name.
    for name, kind in [("day.jpg", "JPEG"), ("day.PNG", "PNG")]:
        result = run("picture", "--profile", "Anna", "--date", "2004-03-15", "--output", os.path.join(root, name))
        check(result.returncode == 0 and result.stdout == b"" and result.stderr == b"", f"picture {name}: {result}")
        shown = subprocess.run(["identify", "-format", "%m %w %h", os.path.join(root, name)], capture_output=True)
        check(shown.stdout == f"{kind} 780 550".encode(), f"{name}: {shown.stdout!r}")
    # The month chart around a date, even against the calendar's last day; a new picture is private,
    # and small enough to be replaced by the next run.
    for days, date in [("7", "2004-03-15"), ("92", "2099-12-31")]:
        name = os.path.join(root, f"month{days}.png")
        for _ in range(2):
            result = run("picture", "--profile", "Anna", "--date", date, "--days", days, "--output", name)
        shown = subprocess.run(["identify", "-format", "%m %w %h", name], capture_output=True)
        check(result.returncode == 0 and shown.stdout == b"PNG 780 550", f"month of {days}: {result} {shown.stdout!r}")
        check(os.stat(name).st_mode & 0o777 == 0o600, f"month of {days}: mode {os.stat(name).st_mode:o}")
    # A link at the file is replaced, never written through; a missing folder is status 1.
    os.symlink(install + "mv.ini", os.path.join(root, "link.jpg"))
    result = run("picture", "--profile", "Anna", "--output", os.path.join(root, "link.jpg"))
    check(result.returncode == 0 and not os.path.islink(os.path.join(root, "link.jpg")), f"picture on a link: {result}")
    for name in ["day.jpg", "two\nlines.jpg"]:  # the message quotes the name on its one line
        result = run("picture", "--profile", "Anna", "--output", os.path.join(root, "none", name))
        check(result.returncode == 1 and result.stdout == b"" and result.stderr.count(b"\n") == 1 and
              b"'" in result.stderr, f"no folder: {result}")

    # Without a display the windows' start says so on one line; a mistyped word is refused with the usage.
    for arguments, status, lines in [(["open", "--profile", "Anna"], 3, 1), ([], 3, 1), (["reprot"], 2, 2)]:
        result = run(*arguments)
        check((result.returncode, result.stdout, result.stderr.count(b"\n")) == (status, b"", lines),
              f"{arguments}: {result}")

    profiles = run("profiles")
    check(profiles.stdout == b"Anna Lee\tAnna\tAutomatic\nBob Lee\tBob\tManual\n", f"profiles {profiles}")
    check(snapshot(install) == before, "a command changed the files in InstallDir")

    # The manual page reads without complaints, and completion offers the profiles.
    page = subprocess.run(["man", "--warnings", "-l", os.path.join(assets, "Kestrane.1")], capture_output=True,
                          env=dict(env, MANWIDTH="80"))
    check(page.returncode == 0 and page.stderr == b"" and b"report" in page.stdout, f"man: {page.stderr!r}")
    script = (f"source '{assets}/Kestrane.bash'; COMP_WORDS=('{kestrane}' report --profile ''); COMP_CWORD=3; "
              "_moravel; printf '%s\\n' \"${COMPREPLY[@]}\"")
    offered = subprocess.run(["bash", "-c", script], capture_output=True, env=env)
    check(offered.stdout == b"Anna\nBob\n", f"completion offered {offered.stdout!r}")
    # A name typed with a backslash or inside an open quote: escaped, or as it is for the quote.
    stub = os.path.join(root, "lister")
    with open(stub, "w") as out:
        out.write("#!/bin/sh\nprintf 'Ann Lee\\tAnn Lee\\tA\\nAnn O'\"'\"'Neil\\tAnn O'\"'\"'Neil\\tA\\nBob\\tBob\\tM\\n'\n")
    os.chmod(stub, 0o755)
    for typed, wanted in [("Ann\\ L", "Ann\\ Lee"), ('"Ann L', "Ann Lee"), ("'Ann L", "Ann Lee"),
                          ("Ann\\ O\\'", "Ann\\ O\\'Neil"), ('"Ann O\'', "Ann O'Neil")]:
        script = (f"source '{assets}/Kestrane.bash'; COMP_WORDS=('{stub}' open --profile \"$1\"); COMP_CWORD=3; "
                  "_moravel; printf '%s\\n' \"${COMPREPLY[@]}\"")
        offered = subprocess.run(["bash", "-c", script, "_", typed], capture_output=True, text=True, env=env)
        check(offered.stdout == wanted + "\n", f"completion of {typed!r} offered {offered.stdout!r}")

    # Unreadable inputs: the command line names the file and exits 2; the scheduled run
    # mails nothing, names the file on one line and exits 1.
    for number, kind in enumerate(["fifo", "folder", "link to /dev/zero", "over 1 MB", "missing"]):
        data = os.path.join(root, "faulty%d" % number)
        folder = os.path.join(data, "moravel") + "/"
        os.makedirs(folder)
        with open(folder + "mv.ini", "w") as f:
            f.write("Profile:Anna Lee\nDescription:Anna\nAdjustment:Automatic\n")
        with open(folder + "task.dtr", "w") as f:
            f.write(f"Profile:{folder}Anna.ini\nEmail:anna@example.org\nTime:7:5AM\nType:1\n")
        if kind != "missing":
            make_unreadable(folder + "Anna.ini", kind)
        for arguments, name, status in [(["report", "--profile", "Anna"], "Anna.ini", 2),
                                        (["picture", "--profile", "Anna", "--output", data + "/a.png"], "Anna.ini", 2),
                                        ([folder + "task.dtr"], "Anna.ini", 1)]:
            if os.path.exists(root + "/mail.txt"):
                os.remove(root + "/mail.txt")
            result = run(*arguments, data=data)
            check((result.returncode, result.stdout, result.stderr.count(b"\n")) == (status, b"", 1) and
                  (folder + name).encode() in result.stderr and not os.path.exists(root + "/mail.txt"),
                  f"{kind} {arguments[0]}: {result}")
        if kind != "missing":
            os.remove(folder + "mv.ini")
            make_unreadable(folder + "mv.ini", kind)
            result = run("profiles", data=data)
            check((result.returncode, result.stdout, result.stderr.count(b"\n")) == (2, b"", 1) and
                  (folder + "mv.ini").encode() in result.stderr, f"{kind} profiles: {result}")

    # A control character an older index holds is escaped: three columns, no raw escape.
    with open(install + "mv.ini", "wb") as f:
        f.write(b"Profile:Ann\tLee\x1b[2J\nDescription:Anna\nAdjustment:Automatic\n")
    profiles = run("profiles")
    check(profiles.stdout == b"Ann\\x09Lee\\x1b[2J\tAnna\tAutomatic\n", f"escaped profiles {profiles.stdout!r}")

print("command line checked" if not failures else f"{len(failures)} failures")
sys.exit(1 if failures else 0)
