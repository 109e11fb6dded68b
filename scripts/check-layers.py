"""Checks the two layers and the folder table; prints each fault and exits 1 on any.

- The core (every folder outside ui/) includes no ui/ header and no widget or
  printing header: it runs without windows.
- A core folder includes only the core folders its row of CORE allows; a ui/ folder
  includes any core folder, its own folder's core, and the ui/ folders its row of UI
  allows. Both tables are orders, so no folders can loop; the loop check below says
  so for the includes as they are, should a table ever be edited into a cycle.
- No two files include each other.
- Every include of a project file is written from the source root, as in
  "engine/ReadingEngine.h"; tests name their shared helpers "support/...".
- A test in tests/F/ includes F, its neighbours in F's table on both sides (what F
  may include and what may include F: a test reaches F also through what opens
  it), any core folder when it includes a ui/ header, the folders of TESTS_ALSO,
  its own folder's tests and tests/support; the fuzzers
  include any core folder; the shared helpers any core folder and the windows of
  platform and content. The benchmarks in bench/ include any core or window file
  and never a test's.
Usage: check-layers.py [source-root]
"""
import os
import re
import sys

# Each folder with the folders it may include; a folder may always include itself.
CORE = {
    "platform": [],
    "profiles": ["platform"],
    "engine": ["platform", "profiles"],
    "content": ["platform", "profiles", "engine"],
    "reports": ["platform", "profiles", "engine", "content"],
    "mail": ["platform", "profiles", "engine", "content", "reports"],
    "schedule": ["platform", "profiles", "engine", "content", "reports", "mail"],
    "installer": ["platform"],
    "uninstaller": ["platform", "mail", "schedule", "installer"],
    "app": ["platform", "profiles", "engine", "content", "reports", "mail", "schedule"],
}
# The windows sit above the whole core; among themselves pages come first, as
# every window may open one.
UI = {
    "platform": [],
    "content": ["platform"],
    "engine": ["platform", "content"],
    "profiles": ["platform", "content"],
    "reports": ["platform", "content", "engine"],
    "mail": ["platform", "content", "reports"],
    "schedule": ["platform", "content"],
    "installer": ["platform"],
    "uninstaller": ["platform"],
    "app": ["platform", "content", "engine", "profiles", "reports", "mail", "schedule"],
}
# Beyond its neighbours in the tables, what a folder's tests may reach: the programs'
# windows meet in the app's tests, and the uninstaller's tests install what they remove.
TESTS_ALSO = {"app": list(CORE), "uninstaller": ["installer"]}
WIDGET_MODULES = ("QtWidgets", "QtPrintSupport")

root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
include = re.compile(r'^\s*#\s*include\s+([<"])([^">]+)[">]', re.M)


def widget_headers():
    """The class headers of the widget modules, as <QPushButton> names them."""
    names = set()
    for base in ("/usr/include/x86_64-linux-gnu/qt6", "/usr/include/qt6"):
        for module in WIDGET_MODULES:
            folder = os.path.join(base, module)
            if os.path.isdir(folder):
                names.update(n for n in os.listdir(folder) if n.startswith("Q") and "." not in n)
    return names


def node(path):
    """("mail", True) for mail/ui/EmailWindow.cpp: the folder and whether it is ui/."""
    parts = path.split("/")
    return parts[0], len(parts) > 2 and parts[1] == "ui"


def sources(top):
    """Each C++ file under `top` with its includes."""
    found = {}
    for dirpath, _, names in os.walk(os.path.join(root, top)):
        for name in names:
            if name.endswith((".h", ".cpp")):
                path = os.path.relpath(os.path.join(dirpath, name), root)
                with open(os.path.join(root, path), encoding="utf-8") as f:
                    found[path] = include.findall(f.read())
    return found


files = {}
for folder in CORE:
    files.update(sources(folder))
others = {**sources("tests"), **sources("bench")}

widgets = widget_headers()
faults = []
edges = set()


def resolve(path, name):
    """The project file that `name` names from `path`, or None; a fault when it is not
    written from the source root."""
    if name.endswith(".moc"):
        return None  # the moc output of the file itself
    written = name
    if path.startswith("tests/") and name.startswith("support/"):
        name = "tests/" + name
    if os.path.normpath(written) == written and os.path.isfile(os.path.join(root, name)):
        return name
    nearby = os.path.normpath(os.path.join(os.path.dirname(path), written))
    if os.path.normpath(written) != written and os.path.isfile(os.path.join(root, os.path.normpath(written))):
        faults.append(f'{path}: "{written}" takes a detour; write "{os.path.normpath(written)}"')
    elif os.path.isfile(os.path.join(root, nearby)):
        faults.append(f'{path}: "{written}" is written from the file\'s folder; write "{nearby}"')
    elif path.startswith("tests/") and os.path.isfile(os.path.join(root, "tests", written)):
        faults.append(f'{path}: "{written}" names a test file as if it were the program\'s; '
                      f'write "tests/{written}"')
    return None


def check_other(path, found):
    """The rules for one file of tests/ or bench/."""
    parts = path.split("/")
    named = [resolve(path, name) for kind, name in found if kind == '"']
    named = [n for n in named if n]
    if parts[0] == "bench":
        for n in named:
            if n.startswith("tests/"):
                faults.append(f"{path}: a benchmark may not include the test file {n}")
        return
    group = parts[1] if len(parts) > 2 else ""
    window_test = any(node(n)[1] for n in named if not n.startswith("tests/"))
    for n in named:
        if n.startswith("tests/"):
            if n.startswith(("tests/support/", f"tests/{group}/")):
                continue
            faults.append(f"{path}: a test of {group}/ may not include {n}")
            continue
        other, other_ui = node(n)
        if group in CORE:
            table = UI if other_ui else CORE
            if other == group or other in TESTS_ALSO.get(group, []) or (not other_ui and window_test):
                continue
            if other in table[group] or group in table[other]:
                continue
        elif group == "fuzz" and not other_ui:
            continue
        elif group == "support" and (not other_ui or other in ("platform", "content")):
            continue
        layer = "ui/" if other_ui else ""
        faults.append(f"{path}: a test of {group or 'tests'}/ may not include {other}/{layer} ({n})")


for path, found in sorted(others.items()):
    check_other(path, found)
for path, found in sorted(files.items()):
    folder, is_ui = node(path)
    for kind, name in found:
        if kind == "<":
            module = name.split("/")[0]
            if not is_ui and (name in widgets or module in WIDGET_MODULES):
                faults.append(f"{path}: core file includes the widget header <{name}>")
            continue
        name = resolve(path, name)
        if name not in files:
            continue
        other, other_ui = node(name)
        edges.add(((folder, is_ui), (other, other_ui)))
        if other_ui and not is_ui:
            faults.append(f"{path}: core file includes the window file {name}")
        elif other == folder:
            continue
        elif not other_ui and other not in CORE[folder] and not is_ui:
            faults.append(f"{path}: {folder}/ may not include {other}/ ({name})")
        elif other_ui and other not in UI[folder]:
            faults.append(f"{path}: {folder}/ui/ may not include {other}/ui/ ({name})")

# Folder loops over the includes as they are.
graph = {}
for a, b in edges:
    if a != b:
        graph.setdefault(a, set()).add(b)


def label(n):
    return n[0] + ("/ui" if n[1] else "")


state = {}


def visit(n, trail):
    state[n] = "open"
    for m in sorted(graph.get(n, ())):
        if state.get(m) == "open":
            cycle = trail[trail.index(m):] + [m]
            faults.append("folders loop: " + " -> ".join(label(x) for x in cycle))
        elif m not in state:
            visit(m, trail + [m])
    state[n] = "done"


for n in sorted(graph):
    if n not in state:
        visit(n, [n])

# Two files that include each other.
names = {path: {name for kind, name in found if kind == '"'} for path, found in files.items()}
for path, found in sorted(names.items()):
    if not path.endswith(".cpp"):
        continue
    header = path[:-4] + ".h"
    for name in sorted(found):
        if name == header or not name.endswith(".h"):
            continue
        other = name[:-2] + ".cpp"
        if header in names.get(other, set()) or header in names.get(name, set()):
            faults.append(f"{path} and {other} include each other")

for fault in faults:
    print(fault)
print(f"{len(files) + len(others)} files checked, {len(faults)} layer faults")
sys.exit(1 if faults else 0)
