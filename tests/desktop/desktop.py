"""A real desktop for whole-program tests: Xvfb, the openbox window manager, and
real input through the X server (xdotool's XTEST keys and clicks).

Every program a test starts carries a marker in its environment, so that at the
end all of them are ended, including the ones they started themselves in a
session of their own. Waits poll a condition with a bound; nothing waits a fixed
time to let something happen.
"""

import ctypes
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time
import unittest

SOURCE_DIR = os.environ.get("MORAVEL_SOURCE_DIR", os.path.dirname(os.path.dirname(os.path.dirname(
    os.path.abspath(__file__)))))
BINARY_DIR = os.environ.get("MORAVEL_BINARY_DIR", os.path.join(SOURCE_DIR, "build"))
FAKE_SYSTEM = os.path.join(SOURCE_DIR, "tests", "support", "fake-system")
SCREEN = (1024, 768)
MAIN = r"^Moravel 2005  -  For entertainment purposes only$"
WAIT = 30.0  # seconds any one window may take to appear or go

_libc = ctypes.CDLL(None, use_errno=True)


def _die_with_parent():
    # The X server and the window manager end with the harness, even when it is killed.
    _libc.prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG
    os.setsid()


class Timeout(AssertionError):
    pass


def wait_until(condition, what, limit=WAIT, step=0.05):
    """Polls condition() until it returns something true; fails after limit seconds."""
    deadline = time.monotonic() + limit
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Timeout("timed out waiting for " + what)
        time.sleep(step)


class Frame:
    """A top-level window as the window manager shows it."""

    def __init__(self, wid, inner, extents):
        self.id = wid
        self.x, self.y, self.width, self.height = inner  # the client area on the screen
        self.left, self.right, self.top, self.bottom = extents  # the frame's borders

    @property
    def outer(self):
        return (self.x - self.left, self.y - self.top, self.width + self.left + self.right,
                self.height + self.top + self.bottom)

    def __repr__(self):
        return "Frame(%s inner=%s outer=%s)" % (hex(self.id), (self.x, self.y, self.width, self.height),
                                                self.outer)


class Desktop:
    def __init__(self):
        self.root = tempfile.mkdtemp(prefix="moravel-desktop-")
        self.marker = "MORAVEL_DESKTOP_RUN=" + self.root
        self.started = []
        self.display = None
        try:
            self._start_server()
            self._start_window_manager()
        except BaseException:
            self.close()
            raise

    # --- the X server and the window manager ------------------------------------

    def _start_server(self):
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "%dx%dx24" % SCREEN, "-nolisten", "tcp",
             "-noreset", "-auth", "/dev/null"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=_die_with_parent)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + WAIT
        with os.fdopen(read_end, "rb") as pipe:
            while not number.endswith(b"\n"):
                if time.monotonic() > deadline:
                    raise Timeout("timed out waiting for Xvfb")
                chunk = pipe.read(1)
                if not chunk:
                    raise AssertionError("Xvfb did not start")
                number += chunk
        self.display = ":" + number.decode().strip()

    def _start_window_manager(self):
        config = os.path.join(self.root, "wm-config")
        os.makedirs(config)
        env = self._base_env(marked=False)
        env["XDG_CONFIG_HOME"] = config
        self.window_manager = subprocess.Popen(["openbox", "--sm-disable"], env=env, stdout=subprocess.DEVNULL,
                                               stderr=subprocess.DEVNULL, preexec_fn=_die_with_parent)
        wait_until(lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in self._x(["xprop", "-root"], check=False),
                   "the window manager")

    def _base_env(self, marked=True):
        env = {key: value for key, value in os.environ.items()
               if not key.startswith(("QT_", "XDG_", "WAYLAND", "DBUS_SESSION"))}
        env["DISPLAY"] = self.display
        if marked:
            env["MORAVEL_DESKTOP_RUN"] = self.root
        return env

    def _x(self, command, check=True):
        env = dict(os.environ)
        env["DISPLAY"] = self.display
        result = subprocess.run(command, env=env, capture_output=True, text=True, timeout=WAIT)
        if check and result.returncode != 0:
            raise AssertionError("%s failed: %s" % (" ".join(command), result.stderr.strip()))
        return result.stdout

    def close(self):
        for process in self.started:
            self._end(process)
        self._end_marked()
        for process in (getattr(self, "window_manager", None), getattr(self, "server", None)):
            if process:
                self._end(process)
        shutil.rmtree(self.root, ignore_errors=True)

    @staticmethod
    def _end(process):
        if process.poll() is None:
            try:
                os.killpg(process.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                try:
                    os.killpg(process.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                process.wait(5)

    def marked_processes(self):
        """Processes that carry this desktop's marker (started here or by what was started here)."""
        wanted = self.marker.encode()
        found = []
        for name in os.listdir("/proc"):
            if not name.isdigit() or int(name) == os.getpid():
                continue
            try:
                with open("/proc/%s/environ" % name, "rb") as environ:
                    if wanted in environ.read().split(b"\0"):
                        found.append(int(name))
            except OSError:
                pass
        return found

    def _end_marked(self):
        for sig in (signal.SIGTERM, signal.SIGKILL):
            for pid in self.marked_processes():
                try:
                    os.kill(pid, sig)
                except ProcessLookupError:
                    pass
            try:
                wait_until(lambda: not self.marked_processes(), "marked processes to end", limit=5)
                return
            except Timeout:
                continue

    # --- a user's world and the programs ----------------------------------------

    def new_user(self, name="user"):
        """A home and data folder of their own, with the programs installed into InstallDir."""
        return User(self, os.path.join(self.root, name))

    def start(self, user, program, *args, env_changes=None):
        env = self._base_env()
        env.update(user.env())
        for key, value in (env_changes or {}).items():  # None removes a variable
            env.pop(key, None) if value is None else env.__setitem__(key, value)
        log = open(os.path.join(user.root, os.path.basename(program) + ".log"), "ab")
        process = subprocess.Popen([program, *args], env=env, cwd=user.home, stdin=subprocess.DEVNULL,
                                   stdout=log, stderr=log, preexec_fn=os.setsid)
        log.close()
        self.started.append(process)
        return process

    # --- looking at windows ------------------------------------------------------

    def windows(self, title=None):
        """Mapped top-level client windows, bottom to top, optionally those whose title matches."""
        text = self._x(["xprop", "-root", "_NET_CLIENT_LIST_STACKING"], check=False)
        ids = [int(value, 16) for value in re.findall(r"0x[0-9a-f]+", text)]
        if title is None:
            return ids
        pattern = re.compile(title)
        return [wid for wid in ids if pattern.search(self.title(wid) or "")]

    def title(self, wid):
        text = self._x(["xprop", "-id", str(wid), "_NET_WM_NAME"], check=False)
        match = re.search(r'= "(.*)"$', text.strip(), re.S)
        return match.group(1).encode("latin-1", "backslashreplace").decode("unicode_escape") if match else None

    def window_class(self, wid):
        """The class half of WM_CLASS, which the desktop matches to a menu entry."""
        text = self._x(["xprop", "-id", str(wid), "WM_CLASS"], check=False)
        names = re.findall(r'"([^"]*)"', text)
        return names[1] if len(names) == 2 else None

    def titles(self):
        return [self.title(wid) for wid in self.windows()]

    def wait_window(self, title, limit=WAIT):
        """The one window whose title matches, once it is mapped and framed."""
        def found():
            ids = self.windows(title)
            if len(ids) > 1:
                raise AssertionError("more than one window titled %r: %s" % (title, self.titles()))
            return ids[0] if ids and self.frame(ids[0]).top > 0 else None
        try:
            return wait_until(found, "a window titled %r" % title, limit)
        except Timeout as error:
            raise Timeout("%s; windows shown: %s" % (error, self.titles())) from None

    def wait_focused(self, title, limit=WAIT):
        """The one window whose title matches, once it has the focus."""
        wid = self.wait_window(title, limit)
        self.wait_active(wid, limit)
        return wid

    def wait_main(self, limit=WAIT):
        """The main window, once it stands where it belongs: centred by its frame, with
        room for the tip line below it. It moves there after the frame is known, so a
        click that comes earlier could land beside its target."""
        main = self.wait_window(MAIN, limit)
        _, _, width, height = self.frame(main).outer
        self.wait_outer(main, ((SCREEN[0] - width) // 2, (SCREEN[1] - (height + 85)) // 2, width, height), limit)
        return main

    def wait_gone(self, wid, limit=WAIT):
        wait_until(lambda: wid not in self.windows(), "window %s to close" % hex(wid), limit)

    def frame(self, wid):
        info = self._x(["xwininfo", "-id", str(wid)])
        numbers = {key: int(value) for key, value in
                   re.findall(r"^\s*(Absolute upper-left X|Absolute upper-left Y|Width|Height):\s*(-?\d+)",
                              info, re.M)}
        inner = (numbers["Absolute upper-left X"], numbers["Absolute upper-left Y"], numbers["Width"],
                 numbers["Height"])
        text = self._x(["xprop", "-id", str(wid), "_NET_FRAME_EXTENTS"], check=False)
        extents = [int(value) for value in re.findall(r"\d+", text.split("=", 1)[1])] if "=" in text else [0] * 4
        return Frame(wid, inner, tuple(extents))

    def wait_outer(self, wid, outer, limit=WAIT):
        """Waits for the window's frame to settle at `outer` (x, y, width, height)."""
        try:
            wait_until(lambda: self.frame(wid).outer == tuple(outer), "the frame at %s" % (tuple(outer),), limit)
        except Timeout as error:
            raise Timeout("%s; it is at %s" % (error, self.frame(wid).outer)) from None

    def active(self):
        text = self._x(["xprop", "-root", "_NET_ACTIVE_WINDOW"], check=False)
        match = re.search(r"0x[0-9a-f]+", text)
        return int(match.group(0), 16) if match else 0

    def wait_active(self, wid, limit=WAIT):
        try:
            wait_until(lambda: self.active() == wid, "window %s to have the focus" % hex(wid), limit)
        except Timeout as error:
            raise Timeout("%s; the focus is on %r" % (error, self.title(self.active()))) from None

    def on_top(self):
        ids = self.windows()
        return ids[-1] if ids else 0

    def above(self, upper, lower):
        ids = self.windows()
        return ids.index(upper) > ids.index(lower)

    # --- real input --------------------------------------------------------------

    def key(self, *keys):
        self._x(["xdotool", "key", "--delay", "40", *keys])

    def type(self, text):
        self._x(["xdotool", "type", "--delay", "30", text])

    def click(self, wid, x, y, button=1, modifiers=()):
        """Clicks at (x, y) inside the window's client area."""
        frame = self.frame(wid)
        self._x(["xdotool", "mousemove", "--sync", str(frame.x + x), str(frame.y + y)])
        for modifier in modifiers:
            self._x(["xdotool", "keydown", modifier])
        self._x(["xdotool", "click", str(button)])
        for modifier in reversed(modifiers):
            self._x(["xdotool", "keyup", modifier])

    def click_at(self, x, y, button=1, modifiers=()):
        """Clicks at (x, y) on the screen."""
        self._x(["xdotool", "mousemove", "--sync", str(x), str(y)])
        for modifier in modifiers:
            self._x(["xdotool", "keydown", modifier])
        self._x(["xdotool", "click", str(button)])
        for modifier in reversed(modifiers):
            self._x(["xdotool", "keyup", modifier])

    def drag_title(self, wid, dx, dy):
        """Drags the window by its title bar, as a person moves a window."""
        x, y, width, _ = self.frame(wid).outer
        start = (x + width // 3, y + self.frame(wid).top // 2)
        self._x(["xdotool", "mousemove", "--sync", str(start[0]), str(start[1]), "mousedown", "1"])
        for step in (1, 2, 3, 4):
            self._x(["xdotool", "mousemove", "--sync", str(start[0] + dx * step // 4), str(start[1] + dy * step // 4)])
        self._x(["xdotool", "mouseup", "1"])

    def allowed_actions(self, wid):
        """What the window manager lets the user do with the window (_NET_WM_ALLOWED_ACTIONS)."""
        text = self._x(["xprop", "-id", str(wid), "_NET_WM_ALLOWED_ACTIONS"])
        return set(re.findall(r"_NET_WM_ACTION_(\w+)", text))

    def close_box(self, wid):
        """Clicks the frame's close button (openbox's default layout: at the right end of the title bar)."""
        frame = self.frame(wid)
        x, y, width, _ = frame.outer
        self._x(["xdotool", "mousemove", "--sync", str(x + width - frame.right - 9), str(y + frame.top // 2)])
        self._x(["xdotool", "click", "1"])

    # --- what is on the screen ---------------------------------------------------

    def screenshot(self, path, area=None):
        command = ["import", "-window", "root"]
        if area:
            x, y, width, height = area
            command += ["-crop", "%dx%d+%d+%d" % (width, height, x, y), "+repage"]
        self._x(command + [path])

    def pixels(self, area):
        """The RGB bytes of a screen area, row by row."""
        x, y, width, height = area
        env = dict(os.environ)
        env["DISPLAY"] = self.display
        result = subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (width, height, x, y),
                                 "+repage", "-depth", "8", "rgb:-"], env=env, capture_output=True, timeout=WAIT)
        if result.returncode != 0:
            raise AssertionError("import failed: " + result.stderr.decode(errors="replace"))
        return result.stdout

    def colours(self, area):
        """The set of colours in a screen area."""
        data = self.pixels(area)
        return {tuple(data[i:i + 3]) for i in range(0, len(data), 3)}

    def wait_colour(self, area, colour, what, limit=WAIT):
        wait_until(lambda: colour in self.colours(area), what, limit, step=0.2)


class User:
    """One person's home and data folders, with Moravel installed into InstallDir."""

    def __init__(self, desktop, root):
        self.desktop = desktop
        self.root = root
        self.home = os.path.join(root, "home")
        self.data = os.path.join(root, "data")
        self.install_dir = os.path.join(self.data, "moravel") + "/"
        self.runtime = os.path.join(root, "runtime")
        self.bin = os.path.join(root, "bin")  # programs that stand in for the system's, first on PATH
        self.tmp = os.path.join(root, "tmp")
        self.extra_env = {}  # more for the programs, such as the accessibility bus
        for folder in (self.home, self.data, self.runtime, self.bin, self.tmp, os.path.join(root, "config"),
                       os.path.join(root, "cache")):
            os.makedirs(folder, exist_ok=True)
        os.chmod(self.runtime, 0o700)
        installed = os.environ.get("MORAVEL_DESKTOP_INSTALLED")
        if installed:  # an installed copy to try, for example an older build
            shutil.copytree(installed, self.install_dir, symlinks=True, dirs_exist_ok=True)
        else:
            subprocess.run(["cmake", "--install", BINARY_DIR, "--prefix", self.install_dir], check=True,
                           stdout=subprocess.DEVNULL)

    def env(self):
        return {
            "HOME": self.home,
            "XDG_DATA_HOME": self.data,
            "XDG_CONFIG_HOME": os.path.join(self.root, "config"),
            "XDG_CACHE_HOME": os.path.join(self.root, "cache"),
            "XDG_RUNTIME_DIR": self.runtime,
            "TMPDIR": self.tmp,
            "QT_QPA_PLATFORM": "xcb",
            # A private crontab; no system service is started.
            "PATH": ":".join((self.bin, FAKE_SYSTEM, os.environ.get("PATH", "/usr/bin:/bin"))),
            **self.extra_env,
        }

    def stub(self, name, script):
        """A program of the given name, first on the programs' PATH."""
        path = os.path.join(self.bin, name)
        with open(path, "w") as out:
            out.write("#!/bin/sh\n" + script + "\n")
        os.chmod(path, 0o755)

    def crontab(self):
        """The private crontab of the stand-in `crontab` program."""
        path = os.path.join(self.home, ".moravel-test-crontab")
        if not os.path.exists(path):
            return ""
        with open(path, encoding="utf-8") as table:
            return table.read()

    def path(self, name):
        return os.path.join(self.install_dir, name)

    def write(self, name, text):
        with open(self.path(name), "w", encoding="utf-8") as out:
            out.write(text)

    def add_profile(self, description, name, month, day, year):
        """A profile on disk and in the index, as the editor writes them."""
        self.write(description + ".ini", "Profile:%s\nName:%s\nYourMonth:%d\nYourDate:%d\nYourYear:%d\n"
                   % (description, name, month, day, year))
        index = self.path("mv.ini")
        lines = ""
        if os.path.exists(index):
            with open(index, encoding="utf-8") as old:
                lines = old.read()
        with open(index, "w", encoding="utf-8") as out:
            out.write(lines + "Profile:%s\nDescription:%s\nAdjustment:Automatic\n" % (name, description))

    def kestrane(self, *args):
        return self.desktop.start(self, self.path("Kestrane"), *args)

    def installer(self):
        return self.desktop.start(self, self.path("installer"))

    def uninstall(self):
        return self.desktop.start(self, self.path("uninstall"))

    @property
    def menu(self):
        return os.path.join(self.data, "applications")


class DesktopTest(unittest.TestCase):
    """One desktop per test case class; each test gets a user of its own."""

    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop()

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()
        leftovers = cls.desktop.marked_processes()
        assert not leftovers, "programs left running: %s" % leftovers

    def setUp(self):
        self.user = self.desktop.new_user(self.id().rsplit(".", 1)[-1])
        if "DBUS_SESSION_BUS_ADDRESS" in os.environ:  # the test's own bus: controls are found by name
            import accessible
            accessible.start_registry()  # before the programs, which join it as they start
            self.user.extra_env.update(accessible.program_env())
        self.addCleanup(self._end_programs)

    def press(self, wid, name, modifiers=(), role=None):
        """A real click on the control of window `wid` that a screen reader knows by `name`, so
        the tests and the screen reader agree on what each control is."""
        import accessible  # the AT-SPI bindings of the system's python
        frame = accessible.window("^%s$" % re.escape(self.desktop.title(wid)))
        self.desktop.click_at(*accessible.centre(accessible.named(frame, name, role)), modifiers=modifiers)

    def _end_programs(self):
        if os.environ.get("MORAVEL_DESKTOP_VERBOSE"):
            for name in sorted(os.listdir(self.user.root)):
                if name.endswith(".log"):
                    with open(os.path.join(self.user.root, name), errors="replace") as log:
                        print("--- %s\n%s" % (name, log.read()[-4000:]))
        for process in self.desktop.started:
            self.desktop._end(process)
        self.desktop.started.clear()
        self.desktop._end_marked()
        # What an ended program left on the screen is gone before the next test looks.
        wait_until(lambda: not self.desktop.windows(), "the desktop to be empty", limit=10)

    def assertOnTopWithFocus(self, wid):
        desktop = self.desktop
        self.assertEqual(desktop.on_top(), wid, "on top: %r, windows: %s" % (desktop.title(desktop.on_top()),
                                                                             desktop.titles()))
        desktop.wait_active(wid)

    def saveShot(self, name):
        """A screenshot for the test's log folder when MORAVEL_DESKTOP_SHOTS names one."""
        folder = os.environ.get("MORAVEL_DESKTOP_SHOTS")
        if folder:
            os.makedirs(folder, exist_ok=True)
            self.desktop.screenshot(os.path.join(folder, name + ".png"))
