"""The notification's Open and the open command reach the user's display: the
scheduled run on a private session bus (dbus-run-session) whose notification
service is python3-dbusmock; Open starts Moravel, or hands the request to the
Moravel already running, and the Daily Analysis window of that day appears."""

import datetime
import os
import subprocess
import unittest

import dbus

from desktop import DesktopTest, wait_until

NAME, PATH = "org.freedesktop.Notifications", "/org/freedesktop/Notifications"


def daily_title(day):
    return r"^Daily Analysis - %s %d, %d  - Anna Lee -  Automatic Calibration$" % (day.strftime("%B"), day.day,
                                                                                 day.year)


class Open(DesktopTest):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.service = subprocess.Popen(["/usr/bin/python3", "-m", "dbusmock", "--template", "notification_daemon"],
                                       stdout=subprocess.DEVNULL)
        bus = dbus.SessionBus()
        wait_until(lambda: bus.name_has_owner(NAME), "the mock notification service")
        cls.mock = dbus.Interface(bus.get_object(NAME, PATH), "org.freedesktop.DBus.Mock")

    @classmethod
    def tearDownClass(cls):
        cls.service.terminate()
        cls.service.wait(30)
        super().tearDownClass()

    def click_open(self):
        """The scheduled run as the service manager starts it (no Qt platform set), then Open."""
        shown = len(self.mock.GetMethodCalls("Notify"))
        run = self.desktop.start(self.user, self.user.path("Kestrane"), self.user.path("task.dtr"), env_changes={
            "QT_QPA_PLATFORM": None, "DBUS_SESSION_BUS_ADDRESS": os.environ["DBUS_SESSION_BUS_ADDRESS"]})
        wait_until(lambda: len(self.mock.GetMethodCalls("Notify")) > shown, "the notification")
        self.mock.EmitSignal(NAME, "ActionInvoked", "us", [dbus.UInt32(shown + 1), "default"])
        wait_until(lambda: run.poll() is not None, "the scheduled run to end")
        self.assertEqual(run.returncode, 0)

    def test_open_starts_moravel_or_reaches_the_running_one(self):
        desktop, user = self.desktop, self.user
        user.add_profile("Anna", "Anna Lee", 8, 15, 1966)
        user.write("task.dtr", "Profile:%sAnna.ini\nTime:7:5AM\nType:0\nDelivery:notification\n" % user.install_dir)
        today = datetime.date.today()

        # No Moravel runs: Open starts one on the display, the day's window on top.
        self.click_open()
        daily = desktop.wait_window(daily_title(today))
        self.assertOnTopWithFocus(daily)
        desktop.key("Escape")
        main = desktop.wait_main()
        desktop.wait_active(main)

        # It runs: Open hands it the request, and no second main window comes.
        self.click_open()
        daily = desktop.wait_window(daily_title(today))
        self.assertOnTopWithFocus(daily)
        self.assertEqual(len(desktop.windows(r"^Moravel 2005")), 1)

        # With its window open, a request for another day waits until that one is closed.
        other = datetime.date(2026, 2, 2)
        asked = user.kestrane("open", "--profile", "Anna", "--date", other.isoformat())
        wait_until(lambda: asked.poll() is not None, "the second start to end")
        self.assertEqual(asked.returncode, 0)
        self.assertEqual(desktop.windows(daily_title(other)), [])
        self.assertOnTopWithFocus(daily)
        desktop.key("Escape")
        desktop.wait_gone(daily)
        self.assertOnTopWithFocus(desktop.wait_window(daily_title(other)))


if __name__ == "__main__":
    unittest.main()
