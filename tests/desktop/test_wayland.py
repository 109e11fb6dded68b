"""Native Wayland: the compositor places windows, so the Quick Tip line is a strip
of the main window's own surface. Runs Moravel on a headless weston and
reads the protocol the program speaks (WAYLAND_DEBUG)."""

import os
import re
import shutil
import subprocess
import tempfile
import unittest

from desktop import BINARY_DIR, MAIN, _die_with_parent, wait_until

TOPLEVEL = re.compile(r"-> xdg_surface@\d+\.get_toplevel\(new id xdg_toplevel@(\d+)\)")
TITLE = re.compile(r'-> xdg_toplevel@(\d+)\.set_title\("(.*)"\)')
GEOMETRY = re.compile(r"-> xdg_surface@\d+\.set_window_geometry\(-?\d+, -?\d+, (\d+), (\d+)\)")


@unittest.skipUnless(shutil.which("weston"), "weston is not installed")
class WaylandTest(unittest.TestCase):
    def setUp(self):
        self.root = tempfile.mkdtemp(prefix="moravel-wayland-")
        self.addCleanup(shutil.rmtree, self.root, ignore_errors=True)
        runtime = os.path.join(self.root, "runtime")
        os.makedirs(runtime, mode=0o700)
        install = os.path.join(self.root, "data", "moravel")
        os.makedirs(install)
        with open(os.path.join(install, "Ann.ini"), "w") as f:
            f.write("Profile:Ann\nName:Ann Lee\nYourMonth:3\nYourDate:4\nYourYear:1970\n")
        with open(os.path.join(install, "mv.ini"), "w") as f:
            f.write("Profile:Ann Lee\nDescription:Ann\nAdjustment:Automatic\n")
        self.env = {k: v for k, v in os.environ.items() if not k.startswith(("QT_", "WAYLAND", "DISPLAY"))}
        self.env.update(XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY="moravel-test", HOME=self.root,
                        XDG_DATA_HOME=os.path.join(self.root, "data"))
        self.compositor = self._start(["weston", "--backend=headless-backend.so", "--width=1024", "--height=768",
                                       "--socket=moravel-test", "--idle-time=0"], "weston.log")
        wait_until(lambda: os.path.exists(os.path.join(runtime, "moravel-test")), "the compositor's socket")

    def _start(self, command, log, **extra):
        out = open(os.path.join(self.root, log), "w")
        self.addCleanup(out.close)
        process = subprocess.Popen(command, env=dict(self.env, **extra), stdout=out, stderr=subprocess.STDOUT,
                                   stdin=subprocess.DEVNULL, preexec_fn=_die_with_parent)

        def end():
            process.kill()
            process.wait()
        self.addCleanup(end)
        return process

    def _protocol(self):
        with open(os.path.join(self.root, "kestrane.log"), errors="replace") as f:
            return f.read()

    def test_quick_tip_is_a_strip_of_the_main_window(self):
        self._start([os.path.join(BINARY_DIR, "app", "Kestrane")], "kestrane.log",
                    QT_QPA_PLATFORM="wayland", WAYLAND_DEBUG="1")
        def both_shown():
            text = self._protocol()
            titles = [title for _, title in TITLE.findall(text)]
            tip = os.path.exists(os.path.join(self.env["XDG_DATA_HOME"], "moravel", "tip_e.htm"))
            return tip and GEOMETRY.search(text) and any(re.match(MAIN, title) for title in titles) and text
        log = wait_until(both_shown, "the main window and the Quick Tip line")
        # One window: the 780 x 520 face with the 85 pixel line below it.
        self.assertEqual(len(TOPLEVEL.findall(log)), 1)
        self.assertGreaterEqual(int(GEOMETRY.findall(log)[-1][1]), 520 + 85)


if __name__ == "__main__":
    unittest.main()
