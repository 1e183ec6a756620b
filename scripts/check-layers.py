#!/usr/bin/env python3
"""Checks that every include of the tree follows the layers of the program.

The headless core is a stack of subsystems, each allowed to include itself and those below it.
The renderer sits on the whole core, the command line on the core and the renderer. Windows
(`<subsystem>/ui/`) may include any core subsystem, the renderer, and the windows of their own
subsystem and of the subsystems below it (the employee window opens the tree of the code lists);
only the main frame (`app/ui/`) opens the windows of any subsystem. The core never includes Qt,
in whatever spelling (`<QString>`, `<QtCore/QString>`, `<qglobal.h>`).

Tests, benchmarks and fuzz targets follow the layer of what they exercise: a test under
`tests/<subsystem>/` is a core test, one under `tests/<subsystem>/ui/` a window test; the shared
fixtures of `tests/support/` are core, those of `tests/support/ui/` windows; benchmarks and fuzz
targets are core unless they stand in `bench/ui/`.

The link lines of CMakeLists.txt are held against the same rules: a library may link only
layers it may include, and every layer a file includes must be among those its library links.

Prints every include or link that breaks a rule and exits 1.

Usage: check-layers.py [ROOT]   (ROOT: the source tree, by default the one holding this script)
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
SUPPORT = "support"
SUPPORT_UI = "support/ui"

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]')
QT_MODULE = re.compile(r"^Qt[A-Z]\w*/")
QT_CLASS = re.compile(r"^Q[A-Z]\w*$")
QT_LOWER = re.compile(r"^q[a-z0-9_]+\.h$")
CMAKE_LAYER = re.compile(r"^\s*obrazac_(subsystem|windows)\(\s*(\w+)([^)]*)\)", re.M)
SOURCES = (".h", ".cpp")


def is_qt(name: str) -> bool:
    return bool(QT_MODULE.match(name) or QT_CLASS.match(name) or QT_LOWER.match(name))


def is_window(unit: str) -> bool:
    return unit.endswith("/ui")


def unit_of(relative: pathlib.PurePosixPath) -> str:
    """The layer an include names: "form", "codelists/ui", "render", "cli", "support/ui"."""
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
    if is_window(source):
        if target in CORE or target == RENDER:
            return True
        if not is_window(target):
            return False
        if source == SHELL_UI:
            return True
        if target == SHELL_UI:
            return False
        return CORE.index(target.split("/")[0]) <= CORE.index(source.split("/")[0])
    return False


def may_include_qt(unit: str) -> bool:
    return unit in (RENDER, CLI) or is_window(unit)


class Layered:
    """One folder of the tree: where its files stand in the layers and what they may include."""

    def __init__(self, root: pathlib.Path, folder: str):
        self.root = root
        self.folder = folder

    def layer_of(self, rel: pathlib.PurePosixPath) -> str:
        raise NotImplementedError

    def local_layer(self, path: pathlib.Path, name: str) -> str | None:
        """The layer of a header of this folder itself (a benchmark's own helper), if it is one."""
        base = (self.root / self.folder).resolve()
        for candidate in (path.parent / name, base / name):
            found = candidate.resolve()
            if found.is_file() and base in found.parents:
                return self.layer_of(pathlib.PurePosixPath(found.relative_to(base).as_posix()))
        return None

    def may_include(self, source: str, target: str) -> bool:
        return allowed(source, target)


class Sources(Layered):
    def layer_of(self, rel):
        return unit_of(rel)


class Tests(Layered):
    """A test stands in the layer of what it tests; the fixtures of support/ serve every test
    of their kind (core fixtures reach the whole core, window fixtures every window)."""

    def layer_of(self, rel):
        unit = unit_of(rel)
        if unit in (SUPPORT, SUPPORT_UI):
            return unit
        if is_window(unit) or unit in (RENDER, CLI):
            return unit
        return unit if unit in CORE else SUPPORT

    def may_include(self, source, target):
        if target == SUPPORT:
            return True
        if target == SUPPORT_UI:
            return source == SUPPORT_UI or is_window(source)
        if source == SUPPORT:
            return target in CORE
        if source == SUPPORT_UI:
            return target in CORE or target == RENDER or is_window(target)
        if source in CORE:
            # A core test may lean on any part of the core for its fixtures, never on a window.
            return target in CORE
        if is_window(source):
            return target != CLI
        return allowed(source, target)


class Programs(Layered):
    """Benchmarks and fuzz targets: core programs, or window programs under ui/."""

    def layer_of(self, rel):
        return SUPPORT_UI if rel.parts[0] == "ui" else SUPPORT

    def may_include(self, source, target):
        return Tests.may_include(self, source, target)


def layer_text(unit: str) -> str:
    return {SUPPORT: "core", SUPPORT_UI: "windows"}.get(unit, unit)


def include_faults(tree: Layered) -> list[str]:
    faults = []
    base = tree.root / tree.folder
    known = set(CORE) | {RENDER, CLI, SUPPORT, SUPPORT_UI} | {f"{c}/ui" for c in CORE}
    for path in sorted(base.rglob("*")):
        if path.suffix not in SOURCES or not path.is_file():
            continue
        rel = pathlib.PurePosixPath(path.relative_to(base).as_posix())
        shown = f"{tree.folder}/{rel}"
        source = tree.layer_of(rel)
        if source not in known:
            faults.append(f"{shown}: the folder {source.split('/')[0]} has no place in the layers")
            continue
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            bracket, name = match.groups()
            if bracket == "<":
                if is_qt(name) and not may_include_qt(source):
                    faults.append(f"{shown}:{number}: the {layer_text(source)} layer includes "
                                  f"Qt <{name}>")
                continue
            target = tree.local_layer(path, name) or unit_of(pathlib.PurePosixPath(name))
            if not tree.may_include(source, target):
                faults.append(f"{shown}:{number}: {layer_text(source)} may not include {name} "
                              f"({layer_text(target)})")
    return faults


def link_units(dependency: str) -> list[str]:
    """The layers one word of a link line stands for."""
    if dependency == "core":
        return list(CORE)
    if dependency.endswith("_ui"):
        return [f"{dependency[:-3]}/ui"]
    if dependency in CORE or dependency == RENDER:
        return [dependency]
    return []  # an outside library (SQLite, OpenSSL, threads)


def link_faults(root: pathlib.Path) -> list[str]:
    """The libraries' link lines against the layers, and every include against what its
    library links (directly or through the libraries it links)."""
    cmake = (root / "CMakeLists.txt").read_text(encoding="utf-8")
    links: dict[str, list[str]] = {RENDER: list(CORE), CLI: list(CORE) + [RENDER]}
    faults = []
    for match in CMAKE_LAYER.finditer(cmake):
        kind, name, rest = match.groups()
        unit = name if kind == "subsystem" else f"{name}/ui"
        line = cmake.count("\n", 0, match.start()) + 1
        links[unit] = []
        for word in rest.split():
            for target in link_units(word):
                if target != unit and not allowed(unit, target):
                    faults.append(f"CMakeLists.txt:{line}: {unit} links {word}, a higher layer")
                links[unit].append(target)

    def reach(unit: str, seen: set[str]) -> set[str]:
        for target in links.get(unit, []):
            if target not in seen:
                seen.add(target)
                reach(target, seen)
        return seen

    for path in sorted((root / "src").rglob("*")):
        if path.suffix not in SOURCES or not path.is_file() or path.name == "main.cpp":
            continue
        rel = pathlib.PurePosixPath(path.relative_to(root / "src").as_posix())
        source = unit_of(rel)
        if source not in links:
            continue
        linked = reach(source, {source})
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match or match.group(1) == "<":
                continue
            target = unit_of(pathlib.PurePosixPath(match.group(2)))
            if allowed(source, target) and target not in linked:
                faults.append(f"src/{rel}:{number}: {source} includes {match.group(2)} but its "
                              f"library does not link {target}")
    return faults


def main() -> int:
    if len(sys.argv) > 2:
        print(__doc__, file=sys.stderr)
        return 2
    root = (pathlib.Path(sys.argv[1]) if len(sys.argv) == 2 else pathlib.Path(__file__).parent.parent).resolve()
    faults = include_faults(Sources(root, "src"))
    for folder in ("tests",):
        if (root / folder).is_dir():
            faults += include_faults(Tests(root, folder))
    for folder in ("bench", "fuzz"):
        if (root / folder).is_dir():
            faults += include_faults(Programs(root, folder))
    faults += link_faults(root)
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} include(s) or link(s) against the layers")
        return 1
    print("layers: every include and link of src, tests, bench and fuzz follows the layers")
    return 0


if __name__ == "__main__":
    sys.exit(main())
