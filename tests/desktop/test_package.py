"""The unpacked package on a real display, for a user who had installed Moravel
from source: the first start asks the installer's question once, every window
carries the application id, and the user's data and delivery move over."""

import os
import unittest

from desktop import DesktopTest, wait_until

ID = "org.moravel.Moravel"
OPTIONS = r"^Installation Options$"
WELCOME = r"^ Moravel 2005 - Take full control"
INSTALL = (225, 231)
MARK = " # Daily Analysis Report"


class Package(DesktopTest):
    def test_first_start_moves_a_source_install_over(self):
        desktop, user = self.desktop, self.user
        root = os.path.join(os.environ["MORAVEL_PACKAGE_DIR"], "root")
        programs = os.path.join(root, "usr", "libexec", "moravel") + "/"
        # The source install: programs in InstallDir, its menu entry, a profile and the delivery.
        os.makedirs(os.path.join(user.home, "Desktop"), exist_ok=True)
        os.makedirs(os.path.join(user.menu, "moravel"), exist_ok=True)
        with open(os.path.join(user.menu, "moravel", "Moravel.desktop"), "w") as entry:
            entry.write("[Desktop Entry]\nType=Application\nName=Moravel\nExec=%sKestrane\n" % user.install_dir)
        user.add_profile("Anna", "Anna Lee", 8, 15, 1966)
        with open(os.path.join(user.home, ".moravel-test-crontab"), "w") as table:
            table.write("MAILTO=me\n30 7 * * * cd '%s' && '%sKestrane' '%stask.dtr'%s\n"
                        % (user.install_dir, user.install_dir, user.install_dir, MARK))

        moravel = desktop.start(user, os.path.join(root, "usr", "bin", "moravel"))
        options = desktop.wait_window(OPTIONS)
        self.assertOnTopWithFocus(options)
        self.assertEqual(desktop.window_class(options), ID)
        desktop.click(options, *INSTALL)
        wait_until(lambda: not desktop.windows(OPTIONS), "the options window to close")
        main = desktop.wait_main()
        desktop.wait_active(main)
        self.assertEqual(desktop.window_class(main), ID)
        desktop.key("Escape")
        wait_until(lambda: not desktop.windows(), "Moravel to close")
        wait_until(lambda: moravel.poll() is not None, "the first start to end")

        # One Moravel in the menu (the package's), the desktop icon starts the packaged program,
        # InstallDir keeps only the data, and the delivery runs the packaged program at its time.
        self.assertFalse(os.path.exists(os.path.join(user.menu, "moravel")))
        self.assertFalse(os.path.exists(os.path.join(user.menu, ID + ".desktop")))
        with open(os.path.join(user.home, "Desktop", ID + ".desktop")) as entry:
            self.assertIn("\nExec=%sKestrane\n" % programs, entry.read())
        left = sorted(os.listdir(user.install_dir))
        self.assertEqual([name for name in left if not name.endswith((".ini", ".htm", ".txt", ".lock"))], ["Reports"])
        self.assertEqual(user.crontab(), "MAILTO=me\n30 7 * * * cd '%s' && XDG_DATA_HOME='%s' '%sKestrane' '%stask.dtr'%s\n"
                         % (user.install_dir, user.data, programs, user.install_dir, MARK))

        # The second start is Moravel's own.
        desktop.start(user, os.path.join(root, "usr", "bin", "moravel"))
        main = desktop.wait_main()
        desktop.wait_active(main)
        desktop.key("Escape")
        wait_until(lambda: not desktop.windows(), "Moravel to close")


if __name__ == "__main__":
    unittest.main()
