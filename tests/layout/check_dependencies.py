#!/usr/bin/env python3
"""Holds the layers of Ampora's source folders and fails on an include that breaks them.

Each folder may include itself and the folders listed for it; the table itself must have no
cycle. Inside platform/ the back ends (sysfs/, linux/, win32/, fake/) see the contracts but not each
other (linux/ builds its power events on sysfs/, which every platform reads), and only the
factory's .cpp files choose among them. Platform #ifdefs stay in platform/.
Usage: check_dependencies.py <source root>"""
import re
import sys
from pathlib import Path

# folder: the folders it may include, lowest layer first.
ALLOWED = {
    "platform": [],
    # The sysfs back end is read on every platform (a stand-in tree on Windows).
    "platform/sysfs": ["platform"],
    "platform/linux": ["platform", "platform/sysfs"],
    "platform/win32": ["platform"],
    "platform/fake": ["platform"],
    "resources": [],
    "ui": ["resources"],
    "battery": ["platform"],
    "monitor": ["platform", "battery", "resources"],
    "graph": ["monitor", "resources", "ui"],
    "dialogs": ["platform", "battery", "monitor", "resources", "ui"],
    "app": ["platform", "battery", "monitor", "graph", "dialogs", "resources", "ui"],
    # The command-line front end: beside app/, over the same layers, never on app/ itself.
    "cli": ["platform", "battery", "monitor", "graph", "dialogs", "resources", "ui"],
    # A console program run under Wine: the Windows back end under the battery logic.
    "tools/win32-probe": ["platform", "platform/win32", "battery"],
}
# The one place that picks a back end may include every platform folder.
FACTORY = {"platform/Backends.cpp", "platform/PowerEventFactory.cpp"}
PLATFORM_BACK_ENDS = ["platform/sysfs", "platform/linux", "platform/win32", "platform/fake"]

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
PLATFORM_IF = re.compile(r'^\s*#\s*(if|ifdef|ifndef|elif)\b.*\b(_WIN32|_WIN64|__linux__|__APPLE__|Q_OS_[A-Z]+)\b', re.M)


def folder_of(path: str) -> str:
    """The most specific table entry that holds `path`."""
    parts = path.split("/")[:-1]
    while parts:
        key = "/".join(parts)
        if key in ALLOWED:
            return key
        parts.pop()
    return ""


def find_cycle():
    state = {}

    def visit(node, trail):
        state[node] = "open"
        for dep in ALLOWED[node]:
            if state.get(dep) == "open":
                return trail + [node, dep]
            if dep not in state:
                found = visit(dep, trail + [node])
                if found:
                    return found
        state[node] = "done"
        return None

    for node in ALLOWED:
        if node not in state:
            found = visit(node, [])
            if found:
                return found
    return None


def check(root: Path):
    problems = []
    cycle = find_cycle()
    if cycle:
        problems.append("the table has a cycle: " + " -> ".join(cycle))
    for top in sorted({key.split("/")[0] for key in ALLOWED}):
        for file in sorted((root / top).rglob("*")):
            if file.suffix not in (".h", ".cpp") or not file.is_file():
                continue
            rel = file.relative_to(root).as_posix()
            source = folder_of(rel)
            text = file.read_text(encoding="utf-8", errors="replace")
            if not source.startswith("platform") and PLATFORM_IF.search(text):
                problems.append(f"{rel}: a platform #if outside platform/")
            for target in INCLUDE.findall(text):
                if "/" not in target:
                    continue  # a header beside the file
                dest = folder_of(target)
                if not dest or dest == source or dest in ALLOWED[source]:
                    continue
                if rel in FACTORY and dest in PLATFORM_BACK_ENDS:
                    continue
                problems.append(f"{rel}: includes {target} ({source}/ may include "
                                f"{', '.join(ALLOWED[source]) or 'only itself'})")
    return problems


def main():
    root = Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    problems = check(root)
    for p in problems:
        print(p)
    if problems:
        print(f"{len(problems)} include(s) break the layers")
        return 1
    print("layers: every include points to the same or a lower layer")
    return 0


if __name__ == "__main__":
    sys.exit(main())
