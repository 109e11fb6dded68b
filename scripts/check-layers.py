"""Fails when a lower folder includes a higher one, or two files include each other."""
import os
import re
import sys

root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
lower = ("platform", "content", "profiles", "engine")
higher = ("app", "reports", "mail", "schedule")
include = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)

includes = {}
for folder in lower + higher + ("installer", "uninstaller"):
    for dirpath, _, names in os.walk(os.path.join(root, folder)):
        for name in names:
            if name.endswith((".h", ".cpp")):
                path = os.path.relpath(os.path.join(dirpath, name), root)
                with open(os.path.join(root, path), encoding="utf-8") as f:
                    includes[path] = set(include.findall(f.read()))

faults = []
for path, names in sorted(includes.items()):
    for name in sorted(names):
        if path.startswith(lower) and name.startswith(tuple(h + "/" for h in higher)):
            faults.append(f"{path} includes {name}")
        if path.endswith(".cpp") and name != path[:-4] + ".h":
            header = path[:-4] + ".h"
            other = name[:-2] + ".cpp"
            if header in includes.get(other, set()) or header in includes.get(name, set()):
                if name[:-2] != path[:-4]:
                    faults.append(f"{path} and {other} include each other")
for fault in faults:
    print(fault)
print(f"{len(includes)} files checked, {len(faults)} layer faults")
sys.exit(1 if faults else 0)
