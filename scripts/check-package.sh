#!/usr/bin/env bash
# Checks a built Debian package: its file list holds both programs, the municipality list, the
# manual, the desktop entry and the icon, and it declares what it needs.
# Usage: scripts/check-package.sh PACKAGE.deb
set -euo pipefail
deb="$1"
fail() { echo "check-package: $*" >&2; exit 1; }
files="$(dpkg-deb -c "$deb" | awk '{print $NF}')"
for f in ./usr/bin/obrazac ./usr/bin/obrazac-cli ./usr/share/obrazac/data/opcine.csv \
         ./usr/share/obrazac/help/index.html ./usr/share/applications/obrazac.desktop \
         ./usr/share/icons/hicolor/scalable/apps/obrazac.svg; do
  grep -qxF "$f" <<<"$files" || fail "$deb nema $f"
done
depends="$(dpkg-deb -f "$deb" Depends)"
for d in libqt6widgets6 libsqlite3-0 fonts-liberation qt6-translations-l10n; do
  grep -qw "$d" <<<"$depends" || fail "$deb ne navodi ovisnost $d (Depends: $depends)"
done
echo "check-package: $deb ($(wc -l <<<"$files") stavki)"
