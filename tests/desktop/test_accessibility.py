"""What a screen reader finds in each kind of window, through the real accessibility
stack: every control named in words, every field tied to its label, and the Daily
Analysis readings as text equal to what the report command computes."""

import datetime
import json
import os
import re
import subprocess
import unittest

import pyatspi

import accessible
from desktop import DesktopTest, wait_until

MAIN = r"^Moravel 2005  -  For entertainment purposes only$"
DAILY = r"^Daily Analysis - "


class Accessibility(DesktopTest):
    def setUp(self):
        super().setUp()
        self.user.add_profile("Anna", "Anna Lee", 8, 15, 1966)
        self.user.add_profile("Ben", "Ben Moss", 3, 4, 1971)

    def start(self):
        self.user.kestrane()
        self.desktop.wait_active(self.desktop.wait_main())
        return accessible.window(MAIN)

    def assertReadable(self, frame, least):
        """No unnamed control and no unlabelled field; at least `least` controls."""
        table = accessible.survey(frame)
        self.assertGreaterEqual(len(table["controls"]), least, table["controls"])
        self.assertEqual(table["unnamed"], [], frame.name)
        self.assertEqual(table["unlabelled"], [], frame.name)
        return table

    def press(self, frame, name, modifiers=()):
        """A real click on the control a screen reader knows by `name`."""
        self.desktop.click_at(*accessible.centre(accessible.named(frame, name)), modifiers=modifiers)

    def engine(self, day):
        out = subprocess.run([self.user.path("Kestrane"), "report", "--profile", "Anna", "--date", day.isoformat(),
                              "--format", "json"], env={**os.environ, **self.user.env()}, capture_output=True,
                             text=True, check=True, timeout=60).stdout
        return json.loads(out)["days"][0]

    def assertReadings(self, frame, day):
        expected = self.engine(day)
        lines = [text for text in accessible.survey(frame)["texts"]]
        wanted = ["Zodiac Sign: %s" % expected["zodiacSign"], "Soul Number: %s" % expected["soulNumber"],
                  "Day Reading: %s" % expected["dayReading"], "Evil Eye Reading: %s" % expected["evilEye"]]
        # The report command gives the cycles as the window shows them (none above 99).
        wanted += ["%s: %d%%" % (kind.capitalize(), expected[kind])
                   for kind in ("emotional", "physical", "intellectual", "intuition", "fortune")]
        for line in wanted:
            self.assertIn(line, lines)
        lottery = [line for line in lines if line.startswith("Lottery Numbers: ")]
        self.assertEqual([int(n) for n in re.findall(r"\d+", lottery[0])], expected["lottery"])

    def test_main_daily_hourly_and_page(self):
        desktop = self.desktop
        main = self.start()
        self.assertReadable(main, 13)
        self.press(main, "Analyze Day")
        daily = desktop.wait_window(DAILY)
        frame = accessible.window(DAILY)
        self.assertReadable(frame, 13)
        today = datetime.date.today()
        self.assertReadings(frame, today)

        # Page Down shows the next day; the focus stays on Print and says the day.
        desktop.key("Next")
        tomorrow = today + datetime.timedelta(days=1)
        title = "%s %d, %d" % (tomorrow.strftime("%B"), tomorrow.day, tomorrow.year)
        wait_until(lambda: title in (desktop.title(daily) or ""), "the next day")
        focus = wait_until(lambda: accessible.focused(frame), "the focus")
        self.assertEqual(focus.name, "Print")
        self.assertIn(title, focus.description)
        self.assertReadings(frame, tomorrow)
        desktop.key("Prior")  # the day before today
        wait_until(lambda: "Now" in [n.name for n in accessible.walk(frame)
                                      if n.getState().contains(pyatspi.STATE_ENABLED) and n.name == "Now"],
                   "Now to be enabled")
        self.press(frame, "Now")
        self.press(frame, "Emotional hour by hour")
        hourly = accessible.window(r"^Hourly Analysis - ")
        texts = self.assertReadable(hourly, 1)["texts"]
        self.assertEqual(len([t for t in texts if re.match(r"^Hour \d\d: \d+$", t)]), 25, texts)
        self.assertEqual(len([t for t in texts if re.match(r"^Hours .*: (Rising|Falling) Phase$", t)]), 2, texts)
        desktop.key("Escape")
        wait_until(lambda: not desktop.windows(r"^Hourly Analysis - "), "the hourly window to close")

        self.press(frame, "Explain")
        page = accessible.window(r"^ Daily Analysis - How To Use$")
        self.assertReadable(page, 1)
        # Readable to the end (the entry page forwards to the content page), without the
        # marks the page engine keeps at table edges.
        view = accessible.named(page, "Page")
        text = wait_until(lambda: "Other Day Readings graph" in (accessible.text_of(view) or "") and
                          accessible.text_of(view), "the page's text")
        self.assertIn("Lottery numbers are unique daily lucky numbers.", text)
        self.assertFalse(re.search("[\ufdd0\ufdd1\u2029]", text), repr(text))
        desktop.key("Escape")

    def test_companion_editor_and_schedule(self):
        desktop = self.desktop
        main = self.start()
        self.press(main, "Add Profile")
        editor = accessible.window(r"^Profile$")
        self.assertReadable(editor, 20)
        self.assertEqual(editor.description, "New profile")
        desktop.key("Escape")
        wait_until(lambda: not desktop.windows(r"^Profile$"), "the editor to close")

        self.press(main, "Schedule")
        schedule = accessible.window(r"^Schedule Daily Analysis Report via Email Delivery$")
        self.assertReadable(schedule, 8)
        desktop.key("Escape")
        wait_until(lambda: not desktop.windows(r"^Schedule Daily"), "the schedule window to close")

        # Both rows: Companion.
        desktop.wait_active(desktop.wait_main())
        self.press(main, "Anna Lee")
        self.press(main, "Ben Moss", modifiers=("ctrl",))
        self.press(main, "Companion")
        companion = accessible.window(r"^Companion Analysis$")
        texts = self.assertReadable(companion, 3)["texts"]
        self.assertIn("Anna Lee and Ben Moss", texts)
        for category in ("Love", "Friendship", "Business"):
            self.assertTrue(any(re.match(r"^%s: (Good|Bad) Match$" % category, t) for t in texts), texts)

    def test_saved_report_and_print_dialog(self):
        desktop, user = self.desktop, self.user
        today = datetime.date.today()
        os.makedirs(os.path.join(user.install_dir, "Reports"), mode=0o700, exist_ok=True)
        made = subprocess.run([user.path("Kestrane"), "picture", "--profile", "Anna", "--output",
                               os.path.join(user.install_dir, "Reports", "anna.jpg")],
                              env={**os.environ, **user.env()}, timeout=60, capture_output=True, text=True)
        self.assertEqual(made.returncode, 0, made.stderr)
        main = self.start()
        # The viewer says which report it shows and what the report says.
        self.press(main, "Open Report")
        desktop.wait_focused(r"^Select Daily Report$")
        desktop.type("anna.jpg")
        desktop.key("Return")
        viewer = accessible.window(r"^To print Daily Report in color click on the F2 key$")
        texts = accessible.survey(viewer)["texts"]
        zodiac = "Zodiac Sign: %s" % self.engine(today)["zodiacSign"]
        self.assertTrue(any(t.startswith("Daily report anna.jpg: ") and zodiac in t for t in texts), texts)
        desktop.key("Return")
        wait_until(lambda: not desktop.windows(r"^To print Daily Report"), "the viewer to close")

        # The print dialog offers the report's title as the PDF's name.
        desktop.wait_active(desktop.wait_main())
        self.press(main, "Analyze Day")
        daily = desktop.wait_window(DAILY)
        title = desktop.title(daily)
        desktop.wait_active(daily)
        desktop.key("ctrl+p")
        dialog = accessible.window(r"^Print")
        fields = [accessible.text_of(n) or "" for n in accessible.walk(dialog) if n.getRoleName() == "text"]
        offered = [f for f in fields if f.endswith(".pdf")]
        if not offered:
            self.skipTest("the print dialog offers a printer, not a PDF file: %r" % fields)
        self.assertEqual(os.path.basename(offered[0]), title + ".pdf")
        desktop.key("Escape")
        wait_until(lambda: not desktop.windows(r"^Print"), "the print dialog to close")


if __name__ == "__main__":
    unittest.main()
