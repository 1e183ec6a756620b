#!/usr/bin/env bash
# Renders the desktop program's main windows to PNG without a display: a fresh working folder
# with a few kinds of calculation, then the program in its screenshot mode on the offscreen
# platform. Usage: scripts/screenshots.sh BUILD_DIR OUT_DIR
set -euo pipefail
build="$1"
out="$2"
rm -rf "$out"
mkdir -p "$out"
data="$out/data"
"$build/obrazac-cli" --dir "$data" init >/dev/null
while IFS='|' read -r code short long; do
  "$build/obrazac-cli" --dir "$data" table TBVRSUPL.DAT add \
    "SIFRA=$code" "SKROPIS=$short" "OPIS=$long" >/dev/null
done <<'ROWS'
01|Obračun plaće za mjesec|Redoviti obračun plaće za obračunsko razdoblje
02|Ispravak obračuna|Ispravak prethodno poslanog obračuna
03|Obračun naknade plaće|Naknada plaće za vrijeme bolovanja
04|Dodatni obračun|Dodatni obračun za isto razdoblje
05|Obračun za prethodne godine|Plaća isplaćena za prethodne godine
88|Poseban slučaj|Poseban slučaj bez kontrolne tablice
99|Storno obračuna|Storniranje cijelog obračuna (ŠĐČĆŽ šđčćž)
ROWS
QT_QPA_PLATFORM=offscreen "$build/obrazac" --dir "$data" --settings "$out/tk_2005.INI" \
  --screenshots "$out"
