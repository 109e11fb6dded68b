"""What a screen reader finds: the AT-SPI tree of a program on the desktop.

The test runs under its own session bus (dbus-run-session); the bus launcher and the
registry start on demand, and the programs join with Qt's bridge always on."""

import os
import re

import pyatspi

from desktop import wait_until

# Controls a person operates, and among them the fields that need a label.
INTERACTIVE = {"push button", "check box", "radio button", "combo box", "text", "password text", "list",
               "table", "tree table", "tree", "link", "spin button", "label"}
FIELDS = {"combo box", "text", "password text", "list", "table", "tree table", "tree", "spin button"}
LISTS = {"list", "table", "tree table", "tree"}


def program_env():
    return {"DBUS_SESSION_BUS_ADDRESS": os.environ["DBUS_SESSION_BUS_ADDRESS"],
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1"}


def start_registry():
    """Starts the accessibility bus and its registry on the session bus, if not yet."""
    pyatspi.Registry.getDesktop(0)


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def walk(node):
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is None or not showing(child):
            continue
        yield child
        yield from walk(child)


# Every program is known by the application id, on the accessibility bus too.
def application(name="org.moravel.Moravel"):
    def found():
        desktop = pyatspi.Registry.getDesktop(0)
        # Nothing here runs the event loop that would keep the cached list of programs up to
        # date, and a program of an earlier test may have left it.
        desktop.clearCache()
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and app.name == name:
                return app
        return None
    return wait_until(found, "the program %s on the accessibility bus" % name)


def window(title, name="org.moravel.Moravel"):
    """The program's top-level accessible whose name matches `title`, once it is showing."""
    pattern = re.compile(title)

    def found():
        application(name)  # a clearer failure while the program has not joined yet
        desktop = pyatspi.Registry.getDesktop(0)
        desktop.clearCache()
        # The four programs share the id, and two may run at once (Moravel and the uninstaller).
        for app in (desktop.getChildAtIndex(i) for i in range(desktop.childCount)):
            if app is None or app.name != name:
                continue
            for index in range(app.childCount):
                frame = app.getChildAtIndex(index)
                if frame is not None and pattern.search(frame.name or "") and showing(frame):
                    return frame
        return None
    return wait_until(found, "an accessible window titled %r" % title)


def centre(node):
    """The screen point in the middle of the node, where a person would click."""
    x, y, width, height = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return x + width // 2, y + height // 2


def text_of(node):
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return None


def says_nothing(name):
    # "E", "12", "<<----": a name without a word in it.
    return not re.search(r"[A-Za-z]{2}", name or "")


def labels(node):
    """The names of the labels tied to the node."""
    names = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return names


def spoken(node):
    # A screen reader says a field's labels before its name (a list's name is its value).
    return " ".join(labels(node) + [node.name or ""]).strip()


def survey(frame):
    """The window's table: its interactive controls, those without a name or with one
    that says nothing, the fields without a label relation, and the static texts."""
    table = {"controls": [], "unnamed": [], "unlabelled": [], "texts": []}
    for node in walk(frame):
        role = node.getRoleName()
        if role == "label":
            table["texts"].append(node.name or text_of(node) or "")
        interactive = role in INTERACTIVE and (role != "label" or node.getState().contains(
            pyatspi.STATE_FOCUSABLE))
        if role in ("text", "label") and not node.getState().contains(pyatspi.STATE_FOCUSABLE):
            interactive = False
        if not interactive:
            continue
        entry = "%s %r" % (role, spoken(node))
        table["controls"].append(entry)
        if says_nothing(spoken(node)):
            table["unnamed"].append(entry)
        # Qt's lists report no relations: they go by their names.
        if role in FIELDS - LISTS and not labels(node):
            table["unlabelled"].append(entry)
    return table


def focused(frame):
    """The accessible of the window that has the keyboard focus, or None."""
    for node in walk(frame):
        if node.getState().contains(pyatspi.STATE_FOCUSED):
            return node
    return None


def named(frame, name, role=None):
    """The showing accessible of the window known by `name`. A field goes by its label
    and shares the name with it: `role` tells them apart."""
    def found():
        for node in walk(frame):
            if role is None and node.name == name:
                return node
            if role is not None and node.getRoleName() == role and name in [node.name] + labels(node):
                return node
        return None
    return wait_until(found, "a control named %r" % name)
