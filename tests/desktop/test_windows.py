"""The schedule windows, the companion analysis and the help wizard, as a user
reaches them from the main window."""

import os
import unittest

from desktop import DesktopTest, SCREEN, wait_until

SCHEDULE = r"^Schedule Daily Analysis Report via Email Delivery$"
CURRENT = r"^Currently Scheduled Daily Report$"

# A user service manager that runs and keeps what is enabled.
USER_MANAGER = r'''[ "$1" = --user ] || exit 1
case "$2" in
  is-system-running) echo running ;;
  is-enabled) [ -e "$HOME/enabled-$3" ] && echo enabled || { echo disabled; exit 1; } ;;
  enable) touch "$HOME/enabled-$4" ;;
esac'''


class Windows(DesktopTest):
    def start(self, *profiles):
        for description, name in profiles:
            self.user.add_profile(description, name, 8, 15, 1966)
        self.program = self.user.kestrane()
        main = self.desktop.wait_main()
        self.desktop.wait_active(main)
        return main

    def assertCentredPage(self, wid, width, height):
        self.desktop.wait_outer(wid, ((SCREEN[0] - width) // 2, (SCREEN[1] - height) // 2, width, height))

    def test_schedule_then_the_current_schedule(self):
        desktop, user = self.desktop, self.user
        user.stub("systemctl", "exit 0")  # the cron service starts when asked
        user.stub("sendmail", "cat > /dev/null")  # a mail program: no warning after saving
        main = self.start(("Anna", "Anna Lee"))
        self.press(main, "Schedule")
        schedule = desktop.wait_window(SCHEDULE)
        self.assertOnTopWithFocus(schedule)
        self.saveShot("schedule")

        self.press(schedule, "Help")
        page = desktop.wait_window(r"^ E-mail: Outlook and Outlook Express$")
        self.assertOnTopWithFocus(page)
        self.assertCentredPage(page, 720, 450)
        desktop.key("Escape")
        desktop.wait_gone(page)

        desktop.wait_active(schedule)
        self.press(schedule, "Email To:", role="text")
        desktop.type("anna@example.org")
        self.press(schedule, "Save")
        box = desktop.wait_window(r"^Moravel$")
        self.assertOnTopWithFocus(box)
        desktop.key("Return")
        desktop.wait_gone(schedule)
        self.assertIn("# Daily Analysis Report", user.crontab())
        with open(user.path("task.dtr"), encoding="utf-8") as task:
            self.assertIn("Email:anna@example.org", task.read())

        # Next time the current schedule comes first; Escape leaves it as it is.
        desktop.wait_active(main)
        self.press(main, "Schedule")
        current = desktop.wait_window(CURRENT)
        self.assertOnTopWithFocus(current)
        self.saveShot("current-schedule")
        desktop.key("Escape")
        desktop.wait_gone(current)
        self.assertIn("# Daily Analysis Report", user.crontab())

        # Change (it has the focus) goes on to the schedule window; closing that one
        # keeps the delivery, and the current schedule still comes first.
        with open(user.path("task.dtr"), encoding="utf-8") as task:
            saved = task.read()
        for _ in range(2):
            desktop.wait_active(main)
            self.press(main, "Schedule")
            current = desktop.wait_focused(CURRENT)
            desktop.key("Return")
            schedule = desktop.wait_window(SCHEDULE)
            self.assertOnTopWithFocus(schedule)
            desktop.key("Escape")
            desktop.wait_gone(schedule)
            self.assertIn("# Daily Analysis Report", user.crontab())
            with open(user.path("task.dtr"), encoding="utf-8") as task:
                self.assertEqual(task.read(), saved)
        desktop.wait_active(main)

    def test_schedule_a_notification_without_an_address(self):
        desktop, user = self.desktop, self.user
        user.stub("systemctl", USER_MANAGER)
        main = self.start(("Anna", "Anna Lee"))
        self.press(main, "Schedule")
        schedule = desktop.wait_window(SCHEDULE)
        self.press(schedule, "Deliver:", role="combo box")
        desktop.key("Down")
        desktop.key("Return")
        self.press(schedule, "Save")
        # One box, the success: no address asked for, no mail program missed.
        box = desktop.wait_window(r"^Moravel$")
        self.assertOnTopWithFocus(box)
        self.saveShot("schedule-notification")
        desktop.key("Return")
        desktop.wait_gone(schedule)
        desktop.wait_active(main)
        with open(user.path("task.dtr"), encoding="utf-8") as task:
            text = task.read()
        self.assertIn("\nEmail:\n", text)
        self.assertIn("Delivery:notification\n", text)
        self.assertEqual(user.crontab(), "")
        self.assertTrue(os.path.exists(os.path.join(user.home, "enabled-moravel-daily-report.timer")))

    def test_companion_with_two_profiles(self):
        desktop = self.desktop
        main = self.start(("Anna", "Anna Lee"), ("Ben", "Ben Moss"))
        self.press(main, "Anna Lee")
        self.press(main, "Ben Moss", modifiers=("ctrl",))
        self.press(main, "Companion")
        companion = desktop.wait_window(r"^Companion Analysis$")
        self.assertOnTopWithFocus(companion)
        self.saveShot("companion")
        # Explain: the page centred by its frame, closed with Escape.
        self.press(companion, "Explain")
        page = desktop.wait_window(r"^ Companion Analysis$")
        self.assertOnTopWithFocus(page)
        self.assertCentredPage(page, 680, 300)
        desktop.key("Escape")
        desktop.wait_gone(page)
        desktop.wait_active(companion)
        desktop.key("Escape")
        desktop.wait_gone(companion)
        desktop.wait_active(main)

    def test_help_wizard_closes_with_escape_from_its_page(self):
        desktop = self.desktop
        main = self.start(("Anna", "Anna Lee"))
        self.press(main, "Help")
        wizard = desktop.wait_window(r"^Help Wizard$")
        self.assertOnTopWithFocus(wizard)
        frame = desktop.frame(wizard)
        desktop.wait_colour((frame.x, frame.y + 60, frame.width, frame.height - 60), (0, 128, 0),
                            "the help page's Print link")
        # Another topic from the keyboard, then a click into the page: Escape still closes.
        desktop.key("Down")
        desktop.click(wizard, frame.width // 2, frame.height - 40)
        desktop.key("Escape")
        desktop.wait_gone(wizard)
        desktop.wait_active(main)
        # F1 opens it too.
        desktop.key("F1")
        wizard = desktop.wait_window(r"^Help Wizard$")
        self.assertOnTopWithFocus(wizard)
        desktop.key("Escape")
        desktop.wait_gone(wizard)


if __name__ == "__main__":
    unittest.main()
