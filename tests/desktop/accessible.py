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


def application(name="Kestrane"):
    def found():
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and app.name == name:
                return app
        return None
    return wait_until(found, "the program %s on the accessibility bus" % name)


def window(title, name="Kestrane"):
    """The program's top-level accessible whose name matches `title`, once it is showing."""
    pattern = re.compile(title)

    def found():
        app = application(name)
        for index in range(app.childCount):
            frame = app.getChildAtIndex(index)
            if frame is not None and pattern.search(frame.name or "") and showing(frame):
                return frame
        return None
    return wait_until(found, "an accessible window titled %r" % title)


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


def named(frame, name):
    """The showing accessible of the window whose name is `name`."""
    def found():
        for node in walk(frame):
            if node.name == name:
                return node
        return None
    return wait_until(found, "a control named %r" % name)
