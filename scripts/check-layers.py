#!/usr/bin/env python3
"""Checks that every include of the sources follows the layers of the program.

The headless core is a stack of subsystems, each allowed to include itself and those below it.
The renderer sits on the whole core, the command line on the core and the renderer. Windows
(`<subsystem>/ui/`) may include any core subsystem, the renderer, and the windows of their own
subsystem and of the subsystems below it (the employee window opens the tree of the code lists);
only the main frame (`app/ui/`) opens the windows of any subsystem.
The core never includes Qt (the renderer and the command line may). Prints every include that breaks a rule and exits 1.

Usage: check-layers.py SRC_DIR
"""
import pathlib
import re
import sys

# Bottom to top.
CORE = ["data", "frame", "codelists", "register", "app", "form", "submission", "check",
        "prints", "takeover", "transfer", "sample"]
RENDER = "render"
CLI = "cli"
SHELL_UI = "app/ui"

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]')


def unit_of(relative: pathlib.PurePosixPath) -> str:
    """The layer a file or an include names: "form", "codelists/ui", "render", "cli"."""
    parts = relative.parts
    if len(parts) >= 3 and parts[1] == "ui":
        return f"{parts[0]}/ui"
    return parts[0]


def allowed(source: str, target: str) -> bool:
    if source == target:
        return True
    if source in CORE:
        return target in CORE and CORE.index(target) <= CORE.index(source)
    if source == RENDER:
        return target in CORE
    if source == CLI:
        return target in CORE or target == RENDER
    if source.endswith("/ui"):
        if target in CORE or target == RENDER:
            return True
        if not target.endswith("/ui"):
            return False
        if source == SHELL_UI:
            return True
        if target == SHELL_UI:
            return False
        return CORE.index(target.split("/")[0]) <= CORE.index(source.split("/")[0])
    return False


def main() -> int:
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    src = pathlib.Path(sys.argv[1])
    known = set(CORE) | {RENDER, CLI}
    faults = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp") or not path.is_file():
            continue
        rel = pathlib.PurePosixPath(path.relative_to(src).as_posix())
        source = unit_of(rel)
        if source.split("/")[0] not in known:
            faults.append(f"{rel}: the folder {source.split('/')[0]} has no place in the layers")
            continue
        core_file = not source.endswith("/ui")
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            bracket, name = match.groups()
            if bracket == "<":
                if core_file and source not in (RENDER, CLI) and name.startswith("Q"):
                    faults.append(f"{rel}:{number}: the headless core includes Qt <{name}>")
                continue
            target = unit_of(pathlib.PurePosixPath(name))
            if not allowed(source, target):
                faults.append(f"{rel}:{number}: {source} may not include {name} ({target})")
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} include(s) against the layers")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
