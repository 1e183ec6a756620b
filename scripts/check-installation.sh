#!/usr/bin/env bash
# Installs a build tree into a throwaway DESTDIR and runs the installed copy there: the tool
# builds an installation and loads the official municipality list, the desktop program finds
# its manual. Neither program may point into the source or build tree.
# Usage: scripts/check-installation.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
source_dir="$(cd "$2" && pwd)"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
fail() { echo "check-installation: $*" >&2; exit 1; }

DESTDIR="$root/dest" cmake --install "$build" --prefix /usr >/dev/null
prefix="$root/dest/usr"
for f in bin/obrazac bin/obrazac-cli share/obrazac/data/opcine.csv share/obrazac/help/index.html \
         share/applications/obrazac.desktop share/icons/hicolor/scalable/apps/obrazac.svg; do
  [ -f "$prefix/$f" ] || fail "nije instalirano: $f"
done
for program in obrazac obrazac-cli; do
  for tree in "$source_dir/data" "$source_dir/help" "$build/share"; do
    if grep -qaF "$tree" "$prefix/bin/$program"; then fail "$program upućuje na $tree"; fi
  done
done

# The installed copy moves once more, so only its own layout can lead it to its files.
mv "$prefix" "$root/moved"
prefix="$root/moved"
work="$root/radna"
cd "$root"
"$prefix/bin/obrazac-cli" --dir "$work" init >/dev/null
out="$("$prefix/bin/obrazac-cli" --dir "$work" load-municipalities)"
case "$out" in
  "Učitano "*" općina i gradova u TBOPCINE.DAT.") ;;
  *) fail "load-municipalities: $out" ;;
esac
page="$(QT_QPA_PLATFORM=offscreen "$prefix/bin/obrazac" --help-page '~T1.0')"
[ "$page" = "$prefix/share/obrazac/help/index.html" ] || fail "priručnik: '$page'"
echo "check-installation: $out; priručnik $page"
