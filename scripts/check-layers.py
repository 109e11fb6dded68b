"""Checks the two layers and the folder table; prints each fault and exits 1 on any.

- The core (every folder outside ui/) includes no ui/ header and no widget or
  printing header: it runs without windows.
- A core folder includes only the core folders its row of CORE allows; a ui/ folder
  includes any core folder, its own folder's core, and the ui/ folders its row of UI
  allows. Both tables are orders, so no folders can loop; the loop check below says
  so for the includes as they are, should a table ever be edited into a cycle.
- No two files include each other.
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


files = {}
for folder in CORE:
    for dirpath, _, names in os.walk(os.path.join(root, folder)):
        for name in names:
            if name.endswith((".h", ".cpp")):
                path = os.path.relpath(os.path.join(dirpath, name), root)
                with open(os.path.join(root, path), encoding="utf-8") as f:
                    files[path] = include.findall(f.read())

widgets = widget_headers()
faults = []
edges = set()
for path, found in sorted(files.items()):
    folder, is_ui = node(path)
    for kind, name in found:
        if kind == "<":
            module = name.split("/")[0]
            if not is_ui and (name in widgets or module in WIDGET_MODULES):
                faults.append(f"{path}: core file includes the widget header <{name}>")
            continue
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
print(f"{len(files)} files checked, {len(faults)} layer faults")
sys.exit(1 if faults else 0)
