"""The daily analysis and what opens from it: stepping days, the hourly window,
the page windows, saving the report, and the saved report viewer."""

import datetime
import os
import unittest

from desktop import DesktopTest, SCREEN, wait_until

DAILY = r"^Daily Analysis - "
HOURLY = r"^Hourly Analysis - "
VIEWER = r"^To print Daily Report in color click on the F2 key$"

# Next Day's place in the daily window's client area, for clicks a pixel apart.
NEXT_DAY = (479, 551)


def date_title(day):
    return "%s %d, %d  - " % (day.strftime("%B"), day.day, day.year)


class Daily(DesktopTest):
    def setUp(self):
        super().setUp()
        self.user.add_profile("Anna", "Anna Lee", 8, 15, 1966)
        self.program = self.user.kestrane()
        self.main = self.desktop.wait_main()
        self.desktop.wait_active(self.main)

    def open_daily(self):
        self.press(self.main, "Analyze Day")
        daily = self.desktop.wait_window(DAILY)
        self.assertOnTopWithFocus(daily)
        return daily

    def dark_rows(self, wid, x0, x1, y0, y1):
        """Rows of the client area, between y0 and y1, that are black from x0 to x1."""
        frame = self.desktop.frame(wid)
        data = self.desktop.pixels((frame.x + x0, frame.y + y0, x1 - x0, y1 - y0))
        width = x1 - x0
        rows = []
        for row in range(y1 - y0):
            line = data[row * width * 3:(row + 1) * width * 3]
            if all(sum(line[i:i + 3]) < 90 for i in range(0, len(line), 3)):
                rows.append(y0 + row)
        return rows

    def assertLineCentre(self, rows, centre):
        self.assertTrue(rows, "no line drawn")
        self.assertAlmostEqual((rows[0] + rows[-1] + 1) / 2, centre, delta=0.5, msg="line rows %s" % rows)

    def wait_title(self, wid, text):
        wait_until(lambda: text in (self.desktop.title(wid) or ""), "the title to show %r" % text)

    def test_days_hourly_window_and_pages(self):
        desktop = self.desktop
        daily = self.open_daily()
        today = datetime.date.today()
        self.assertIn(date_title(today) + "Anna Lee", desktop.title(daily))

        # The report is placed from the window's outer height: its axis is at top + 460.
        height = desktop.frame(daily).outer[3]
        top = (height - 576) * 0.5 if height > 576 else 12
        wait_until(lambda: self.dark_rows(daily, 134, 150, 400, 520), "the report to be drawn")
        self.assertLineCentre(self.dark_rows(daily, 134, 150, 400, 520), top + 460)
        self.saveShot("daily")

        # Print loads the printers with the first print: the print dialog opens over
        # the window, and cancelling it prints nothing.
        self.press(daily, "Print")
        dialog = desktop.wait_focused(r"^Print")
        desktop.key("Escape")
        desktop.wait_gone(dialog)
        desktop.wait_active(daily)

        self.press(daily, "Next Day")
        self.wait_title(daily, date_title(today + datetime.timedelta(days=1)))
        self.press(daily, "Prev Day")
        self.press(daily, "Prev Day")
        self.wait_title(daily, date_title(today - datetime.timedelta(days=1)))
        self.press(daily, "Now")
        self.wait_title(daily, date_title(today))

        # The hourly window, its chart placed from its outer height; Escape closes it.
        self.press(daily, "Emotional hour by hour")
        hourly = desktop.wait_window(HOURLY)
        self.assertOnTopWithFocus(hourly)
        self.assertTrue(desktop.title(hourly).endswith("Reading - Emotional"), desktop.title(hourly))
        height = desktop.frame(hourly).outer[3]
        top = (height - 474) * 0.5 if height > 474 else 20
        wait_until(lambda: self.dark_rows(hourly, 76, 84, 380, 450), "the chart to be drawn")
        self.assertLineCentre(self.dark_rows(hourly, 76, 84, 380, 450), top + 403)
        self.saveShot("hourly")
        desktop.key("Escape")
        desktop.wait_gone(hourly)
        desktop.wait_active(daily)

        # The next one closes with its close box.
        self.press(daily, "Physical hour by hour")
        hourly = desktop.wait_window(HOURLY)
        self.assertTrue(desktop.title(hourly).endswith("Reading - Physical"), desktop.title(hourly))
        desktop.wait_active(hourly)
        desktop.close_box(hourly)
        desktop.wait_gone(hourly)
        desktop.wait_active(daily)

        # The superstition and explanation pages: centred by their frames, closed with Escape.
        for button, title, size in (("Superstition", r"^ Daily Superstition$", (730, 350)),
                                    ("Explain", r"^ Daily Analysis - How To Use$", (700, 480))):
            self.press(daily, button)
            page = desktop.wait_window(title)
            self.assertOnTopWithFocus(page)
            width, height = size
            desktop.wait_outer(page, ((SCREEN[0] - width) // 2, (SCREEN[1] - height) // 2, width, height))
            if button == "Explain":
                self.print_link_keeps_the_page_modal(daily, page)
            desktop.key("Escape")
            desktop.wait_gone(page)
            desktop.wait_active(daily)

    def print_link_keeps_the_page_modal(self, daily, page):
        """The page's Print link opens the print dialog above the page; once it is
        cancelled the page is on top again and still blocks the daily window."""
        desktop = self.desktop
        frame = desktop.frame(page)
        # The text page follows the grey entry page; its words are black.
        wait_until(lambda: any(sum(c) < 60 for c in desktop.colours((frame.x, frame.y, frame.width, frame.height))),
                   "the page text")
        desktop.key("Tab")  # the page's one link, Print, scrolled into sight
        def navy():
            data = desktop.pixels((frame.x, frame.y, frame.width, frame.height))
            for i in range(0, len(data), 3):
                if data[i] < 40 and data[i + 1] < 40 and 100 < data[i + 2] < 160:
                    return divmod(i // 3, frame.width)
            return None
        row, column = wait_until(navy, "the Print link")
        desktop.click(page, column + 2, row + 2)
        dialog = desktop.wait_focused(r"^Print")
        self.assertTrue(desktop.above(dialog, page))
        desktop.key("Escape")
        desktop.wait_gone(dialog)
        self.assertOnTopWithFocus(page)
        before = desktop.title(daily)
        self.press(daily, "Prev Day")
        desktop.wait_active(page)
        self.assertEqual(desktop.on_top(), page)
        self.assertEqual(desktop.title(daily), before)

    def test_month_view_open_step_and_open_a_day(self):
        desktop = self.desktop
        daily = self.open_daily()
        today = datetime.date.today()
        desktop.key("m")
        month = desktop.wait_window(r"^Month at a Glance - ")
        self.assertOnTopWithFocus(month)
        title = desktop.title(month)
        desktop.key("Next")
        wait_until(lambda: desktop.title(month) != title, "the next month to be shown")
        desktop.key("Prior")
        wait_until(lambda: desktop.title(month) == title, "the month to be shown again")
        # The chart's 31 columns span x 62..757; the first day's column opens its report.
        first = today - datetime.timedelta(days=15)
        desktop.click(month, 62 + 11, 300)
        day = desktop.wait_window(r"^Daily Analysis - " + date_title(first))
        self.assertOnTopWithFocus(day)
        desktop.key("Escape")
        desktop.wait_gone(day)
        desktop.wait_active(month)
        desktop.key("Escape")
        desktop.wait_gone(month)
        desktop.wait_active(daily)

    def test_save_then_open_the_report(self):
        desktop, user = self.desktop, self.user
        daily = self.open_daily()
        self.press(daily, "Save")
        dialog = desktop.wait_window(r"^Save Report$")
        self.assertOnTopWithFocus(dialog)
        desktop.type("anna-report")
        desktop.key("Return")
        box = desktop.wait_window(r"^Moravel$")
        self.assertOnTopWithFocus(box)
        desktop.key("Return")
        desktop.wait_gone(box)
        saved = os.path.join(user.install_dir, "Reports", "anna-report.jpg")
        with open(saved, "rb") as picture:
            self.assertEqual(picture.read(3), b"\xff\xd8\xff")
        desktop.wait_active(daily)

        # Quick Resize by keyboard alone, from the e-mail window of the saved report.
        self.press(daily, "Email")
        email = desktop.wait_focused(r"^Email$")
        resized = os.path.join(user.install_dir, "Reports", "_T_anna-report.jpg")
        # From To past Subject and Message to the Resize box; its button shows once it is ticked.
        desktop.key("Tab", "Tab", "Tab", "space", "Tab", "space")
        quick = desktop.wait_focused(r"^Quick Resize: anna-report\.jpg$")
        desktop.key("space", "Tab", "Down", "Down")  # tick, then 98% in the list
        desktop.key("Return")  # Save, the default button
        desktop.wait_gone(quick)
        desktop.wait_active(email)
        wait_until(lambda: os.path.exists(resized), "the resized copy")
        desktop.key("Escape")
        desktop.wait_gone(email)
        desktop.wait_active(daily)
        desktop.key("Escape")
        desktop.wait_gone(daily)

        desktop.wait_active(self.main)
        self.press(self.main, "Open Report")
        dialog = desktop.wait_window(r"^Select Daily Report$")
        self.assertOnTopWithFocus(dialog)
        desktop.type("anna-report.jpg")
        desktop.key("Return")
        viewer = desktop.wait_window(VIEWER)
        self.assertOnTopWithFocus(viewer)
        # 800 x 600 with its frame, centred.
        desktop.wait_outer(viewer, ((SCREEN[0] - 800) // 2, (SCREEN[1] - 600) // 2, 800, 600))
        # The picture shows: the Emotional bar is blue.
        frame = desktop.frame(viewer)
        wait_until(lambda: any(b > 200 and r < 60 and g < 60 for r, g, b in
                               desktop.colours((frame.x, frame.y, frame.width, frame.height))),
                   "the report picture")
        self.saveShot("viewer")
        desktop.key("Return")
        desktop.wait_gone(viewer)
        desktop.wait_active(self.main)

        # Close ends the run and takes the generated pages with it.
        desktop.key("Escape")
        wait_until(lambda: self.program.poll() is not None, "Kestrane to end")
        self.assertEqual([name for name in os.listdir(user.install_dir) if name.endswith(".htm")], [])

    def test_recipients_reach_the_mail_client_only_as_addresses(self):
        """Without sendmail the desktop's mail client takes the message: a To field
        that smuggles options in is refused, a plain one arrives as one address."""
        if any(os.path.exists(p) for p in ("/usr/sbin/sendmail", "/usr/lib/sendmail")):
            self.skipTest("a system sendmail takes the message before the desktop mail client")
        desktop, user = self.desktop, self.user
        calls = os.path.join(user.root, "xdg-email.args")
        client_pid = os.path.join(user.root, "xdg-email.pid")
        user.stub("xdg-email", 'for a in "$@"; do printf "%%s\\n" "$a"; done >> "%s"\n'
                               'echo $$ > "%s"\nexec sleep 600' % (calls, client_pid))

        # A second start only brings this one forward and ends.
        second = user.kestrane()
        wait_until(lambda: second.poll() is not None, "the second start to end")
        self.assertEqual(second.returncode, 0)
        self.assertEqual(len(desktop.windows(r"^Moravel 2005  -  For entertainment purposes only$")), 1)

        daily = self.open_daily()
        self.press(daily, "Email")
        box = desktop.wait_focused(r"^Moravel$")  # "Please save Daily Report first."
        desktop.key("Return")
        desktop.wait_gone(box)
        desktop.wait_focused(r"^Save Report$")
        desktop.type("mailed")
        desktop.key("Return")
        box = desktop.wait_focused(r"^Moravel$")  # saved
        desktop.key("Return")
        desktop.wait_gone(box)
        email = desktop.wait_focused(r"^Email$")

        self.press(email, "Email To (Email Address):", role="text")
        desktop.type("a@b.c;--attach;/etc/shadow;--cc;spy@example.org")
        self.press(email, "Email Subject:", role="text")
        desktop.type("Hello")
        self.press(email, "Email")
        box = desktop.wait_focused(r"^Moravel$")  # "To Address is not valid."
        desktop.key("Return")
        desktop.wait_gone(box)
        desktop.wait_active(email)
        self.assertFalse(os.path.exists(calls))

        self.press(email, "Email To (Email Address):", role="text")
        desktop.key("ctrl+a")
        desktop.type("anna@example.org")
        self.press(email, "Email")
        desktop.wait_gone(email)
        wait_until(lambda: os.path.exists(calls), "the mail client to be started")
        with open(calls, encoding="utf-8") as logged:
            args = logged.read().splitlines()
        picture = os.path.join(user.install_dir, "Reports", "mailed.jpg")
        self.assertEqual(args[:3], ["--utf8", "--subject", "Hello"])
        self.assertEqual(args[-3:], ["--attach", picture, "anna@example.org"])
        # The client runs on, yet a click soon moves the day (retried a pixel apart).
        before = desktop.title(daily)
        tries = []
        def next_day_taken():
            if desktop.title(daily) != before:
                return True
            tries.append(1)
            desktop.click(daily, NEXT_DAY[0] + len(tries) % 2, NEXT_DAY[1])
            return False
        wait_until(next_day_taken, "the daily window to take a click while the client runs", limit=10, step=0.3)
        desktop.wait_active(daily)
        desktop.key("Escape")
        desktop.wait_gone(daily)

        # Moravel ends; the client it started goes on.
        with open(client_pid) as written:
            pid = int(written.read())
        desktop.wait_active(self.main)
        desktop.key("Escape")
        wait_until(lambda: self.program.poll() is not None, "Kestrane to end")
        self.assertTrue(os.path.exists("/proc/%d" % pid), "the mail client ended with Moravel")


if __name__ == "__main__":
    unittest.main()
