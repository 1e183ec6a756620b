#!/usr/bin/env python3
"""Runs the shell blocks of the README as a reader would type them.

Every ```sh block of README.md runs with bash, stopping at the first failing command, in one
fresh temporary folder (the blocks follow one another like a session), with the folder of the
built obrazac-cli first on PATH. Blocks of `make` commands build the project itself and are
left to the developer. Usage: run-readme.py README.md CLI_FOLDER
"""
import os
import re
import subprocess
import sys
import tempfile


def blocks(text):
    return re.findall(r"^```sh\n(.*?)^```", text, flags=re.M | re.S)


def main():
    readme, cli_folder = sys.argv[1], os.path.abspath(sys.argv[2])
    with open(readme, encoding="utf-8") as f:
        found = blocks(f.read())
    env = dict(os.environ, PATH=cli_folder + os.pathsep + os.environ.get("PATH", ""))
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    ran = failed = 0
    with tempfile.TemporaryDirectory(prefix="obrazac-readme-") as folder:
        for block in found:
            commands = [line for line in block.splitlines() if line.strip()]
            if all(line.startswith("make") for line in commands):
                continue
            ran += 1
            result = subprocess.run(["bash", "-e", "-o", "pipefail", "-c", block], cwd=folder,
                                    env=env, capture_output=True, text=True)
            if result.returncode != 0:
                failed += 1
                print(f"FAILED (exit {result.returncode}):\n{block}{result.stderr}", end="")
    print(f"README: {ran - failed} passed, {failed} failed")
    return 1 if failed or ran == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
