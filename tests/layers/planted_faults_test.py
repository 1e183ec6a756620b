#!/usr/bin/env python3
"""The layer check passes the tree as it is and fails each fault planted into a copy of it."""
import pathlib
import shutil
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parents[2]
CHECK = ROOT / "scripts" / "check-layers.py"

# (file to add, its text) or (file to change, text replaced, replacement): what each fault is.
FAULTS = {
    "Qt in the core as <qglobal.h>": ("src/form/planted.h", "#include <qglobal.h>\n"),
    "Qt in the core as <QtCore/...>": ("src/data/planted.h", "#include <QtCore/QString>\n"),
    "the core includes the command line": ("src/form/planted.cpp", '#include "cli/escaping.h"\n'),
    "the frame's windows include a subsystem's window":
        ("src/frame/ui/planted.cpp", '#include "register/ui/browse_firme.h"\n'),
    "a core test includes a window":
        ("tests/data/planted_test.cpp", '#include "frame/ui/procedure_window.h"\n'),
    "a core benchmark includes a window":
        ("bench/planted_bench.cpp", '#include "check/ui/kontrola_izlaza.h"\n'),
    "an include its library does not link":
        ("src/codelists/planted.cpp", '#include "frame/run_reporter.h"\n'),
    "a library links a higher layer":
        ("CMakeLists.txt", "obrazac_subsystem(frame data)", "obrazac_subsystem(frame data register)"),
}


def copy_tree(to: pathlib.Path) -> None:
    for folder in ("src", "tests", "bench", "fuzz", "scripts"):
        shutil.copytree(ROOT / folder, to / folder, ignore=shutil.ignore_patterns("build*"))
    shutil.copy(ROOT / "CMakeLists.txt", to / "CMakeLists.txt")


def check(root: pathlib.Path) -> subprocess.CompletedProcess:
    return subprocess.run([sys.executable, str(root / "scripts" / "check-layers.py"), str(root)],
                          capture_output=True, text=True)


def main() -> int:
    failures = []
    with tempfile.TemporaryDirectory() as temp:
        tree = pathlib.Path(temp) / "tree"
        copy_tree(tree)
        clean = check(tree)
        if clean.returncode != 0:
            failures.append(f"the clean tree fails:\n{clean.stdout}")
        for name, fault in FAULTS.items():
            path = tree / fault[0]
            before = path.read_text(encoding="utf-8") if path.exists() else None
            if len(fault) == 2:
                path.write_text(fault[1], encoding="utf-8")
            else:
                if fault[1] not in before:
                    failures.append(f"{name}: {fault[1]!r} is not in {fault[0]}")
                    continue
                path.write_text(before.replace(fault[1], fault[2]), encoding="utf-8")
            result = check(tree)
            if result.returncode != 1 or fault[0] not in result.stdout:
                failures.append(f"{name}: not found (exit {result.returncode})\n{result.stdout}")
            if before is None:
                path.unlink()
            else:
                path.write_text(before, encoding="utf-8")
    for failure in failures:
        print(failure)
    print(f"{len(FAULTS) + 1 - len(failures)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
