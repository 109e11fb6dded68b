"""Installing and removing Moravel as a user does it: the installer's options,
the program it starts, and the uninstaller with its remover."""

import os
import subprocess
import unittest

from desktop import DesktopTest, wait_until

OPTIONS = r"^Installation Options$"
WELCOME = r"^ Moravel 2005 - Take full control"



class Install(DesktopTest):
    def install(self, launch):
        desktop, user = self.desktop, self.user
        os.makedirs(os.path.join(user.home, "Desktop"), exist_ok=True)  # as a desktop session has it
        installer = user.installer()
        options = desktop.wait_window(OPTIONS)
        self.assertOnTopWithFocus(options)
        self.assertEqual(desktop.window_class(options), "org.moravel.Moravel")
        self.saveShot("installer")
        if not launch:
            self.press(options, "Launch Moravel 2005")
        self.press(options, "Install Moravel 2005")
        # By title: Moravel starts at once and its first window may get the closed one's id.
        wait_until(lambda: not desktop.windows(OPTIONS), "the options window to close")
        if not launch:
            box = desktop.wait_window(r"^Moravel$")
            self.assertOnTopWithFocus(box)
            desktop.key("Return")
        wait_until(lambda: installer.poll() is not None, "the installer to end")
        self.assertEqual(installer.returncode, 0)

    def test_install_then_the_first_start(self):
        desktop, user = self.desktop, self.user
        self.install(launch=True)
        for entry in ("org.moravel.Moravel.desktop", "org.moravel.Moravel.Uninstall.desktop"):
            self.assertTrue(os.path.exists(os.path.join(user.menu, entry)), entry)
        self.assertTrue(os.access(os.path.join(user.home, "Desktop", "org.moravel.Moravel.desktop"), os.X_OK))
        # The command line as `moravel` on the user's PATH, and its manual page through it.
        env = dict(user.env(), PATH=os.path.join(user.home, ".local", "bin") + ":/usr/bin:/bin")
        listed = subprocess.run(["moravel", "profiles", "--format", "json"], env=env, capture_output=True, timeout=60)
        self.assertEqual((listed.returncode, listed.stdout), (0, b'{"profiles": []}\n'))
        page = subprocess.run(["man", "-w", "Kestrane"], env=env, capture_output=True, text=True, timeout=60)
        self.assertEqual(page.stdout.strip(), user.path("Kestrane.1"))  # man follows the link

        # The installer started Moravel on its own: the welcome page, then the main window.
        welcome = desktop.wait_window(WELCOME)
        self.assertOnTopWithFocus(welcome)
        desktop.key("Escape")
        main = desktop.wait_main()
        desktop.wait_active(main)
        # Every window of every program under the one application id.
        self.assertEqual(desktop.window_class(main), "org.moravel.Moravel")
        desktop.key("Escape")
        wait_until(lambda: not desktop.windows(), "Moravel to close")

    def test_uninstall_removes_everything_once_moravel_is_closed(self):
        desktop, user = self.desktop, self.user
        self.install(launch=False)
        user.add_profile("Anna", "Anna Lee", 8, 15, 1966)

        # While Moravel runs nothing is removed. It is started as the notification's
        # Open does it: the profile's daily analysis first, then the main window.
        program = user.kestrane("open", "--profile", "Anna", "--date", "2026-12-08")
        daily = desktop.wait_window(r"^Daily Analysis - December 8, 2026  - Anna Lee -  Automatic Calibration$")
        self.assertOnTopWithFocus(daily)
        desktop.key("Escape")
        desktop.wait_gone(daily)
        main = desktop.wait_main()
        desktop.wait_active(main)
        # It says so at once, before asking anything.
        uninstall = user.uninstall()
        box = desktop.wait_window(r"^Moravel$")
        self.assertOnTopWithFocus(box)
        self.assertNotIn("Uninstall Moravel", desktop.titles())
        desktop.key("Return")
        desktop.wait_gone(box)
        self.assertTrue(os.path.exists(user.path("Anna.ini")))
        wait_until(lambda: uninstall.poll() is not None, "the uninstaller to end")
        self.assertEqual(uninstall.returncode, 1)

        desktop.wait_active(main)
        desktop.key("Escape")
        wait_until(lambda: program.poll() is not None, "Moravel to end")

        uninstall = user.uninstall()
        window = desktop.wait_window(r"^Uninstall Moravel$")
        self.assertOnTopWithFocus(window)
        self.saveShot("uninstall")
        self.press(window, "Yes")
        self.answer_yes_to_the_count_of_what_goes()
        removed = desktop.wait_window(r"^Moravel Uninstaller$")
        self.assertOnTopWithFocus(removed)
        self.saveShot("removed")
        self.assertFalse(os.path.exists(user.install_dir))
        self.assertFalse(os.path.exists(os.path.join(user.menu, "org.moravel.Moravel.desktop")))
        self.assertFalse(os.path.exists(os.path.join(user.home, "Desktop", "org.moravel.Moravel.desktop")))
        self.assertFalse(os.path.lexists(os.path.join(user.home, ".local", "bin", "moravel")))
        desktop.key("Escape")
        desktop.wait_gone(removed)

    def answer_yes_to_the_count_of_what_goes(self):
        """The profile is counted in a second question, where Return would answer No."""
        desktop = self.desktop
        box = desktop.wait_window(r"^Moravel$")
        self.assertOnTopWithFocus(box)
        self.saveShot("uninstall-count")
        desktop.key("y")
        desktop.wait_gone(box)


if __name__ == "__main__":
    unittest.main()
