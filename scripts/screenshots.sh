#!/usr/bin/env bash
# Renders the desktop program's main windows to PNG without a display: a fresh working folder
# with the sample installation (code lists, control table and its tree, municipalities), then
# the program in its screenshot mode on the offscreen platform.
# Usage: scripts/screenshots.sh BUILD_DIR OUT_DIR
set -euo pipefail
build="$1"
out="$2"
rm -rf "$out"
mkdir -p "$out"
data="$out/data"
"$build/obrazac-cli" --dir "$data" init --demo >/dev/null
QT_QPA_PLATFORM=offscreen "$build/obrazac" --dir "$data" --settings "$out/tk_2005.INI" \
  --screenshots "$out"
