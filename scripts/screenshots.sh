#!/usr/bin/env bash
# Renders the desktop program's windows to PNG without a display, at 100 % and again at 150 %
# scaling: a fresh working folder with the sample installation (code lists, control table and
# its tree, municipalities), then the program in its screenshot mode on the offscreen platform.
# Usage: scripts/screenshots.sh BUILD_DIR OUT_DIR
set -euo pipefail
build="$1"
out="$2"
rm -rf "$out"
mkdir -p "$out"
data="$out/data"
"$build/obrazac-cli" --dir "$data" init --demo >/dev/null
# The reports: the sample installation with its first obligor sent (the program adds rows to
# its form for a page B of several pages), previewed by the program, then printed to PDF.
demo="$out/demo"
"$build/obrazac-cli" --dir "$demo" init --demo >/dev/null
"$build/obrazac-cli" --dir "$demo" send --employer 1 --type 01 --year 2025 --month 11 \
  --from 1 --to 30 --date 15.12.2025 >/dev/null 2>&1
# A screen of 1400 x 1000 pixels, as a bookkeeper's: the frame of a first start fits it at 100 %
# and is maximised at 150 %.
screen="$out/screen.json"
echo '{"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1400, "height": 1000}]}' >"$screen"
QT_QPA_PLATFORM="offscreen:configfile=$screen" "$build/obrazac" --dir "$data" \
  --settings "$out/tk_2005.INI" --screenshots "$out"
# The same windows at 150 % scaling: their texts must fit there too.
mkdir -p "$out/scale150"
cp -r "$demo" "$out/scale150/demo"
QT_SCALE_FACTOR=1.5 QT_QPA_PLATFORM="offscreen:configfile=$screen" "$build/obrazac" --dir "$data" \
  --settings "$out/scale150/tk_2005.INI" --screenshots "$out/scale150"
for report in "page-a --link 001500101" "page-b --link 001500101" "municipalities"; do
  name="print_${report%% *}"
  "$build/obrazac-cli" --dir "$demo" print $report --pdf "$out/$name.pdf" --pages 1-2 2>/dev/null
  pdftoppm -png -r 50 "$out/$name.pdf" "$out/$name"
  echo "$out/$name.pdf"
done
