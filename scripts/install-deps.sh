#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need, only those missing.
# Idempotent: a machine that has everything is left alone and apt is not touched.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang clang-format
  # The include-layer check of the tests.
  python3
  libsqlite3-dev sqlite3 libssl-dev
  # The server store: the client library, and the server the tests start a throwaway cluster of.
  libpq-dev postgresql
  libgtest-dev libgmock-dev libbenchmark-dev
  # The desktop program and its offscreen tests: Qt 6 Widgets and Print Support, the fonts
  # that stand in for the window and form fonts.
  qt6-base-dev qt6-base-dev-tools fonts-liberation fonts-dejavu-core
  # Qt's own dialogs and buttons in Croatian (qtbase_hr.qm).
  qt6-translations-l10n
  # make package: the Debian package and the libraries its programs need (dpkg-shlibdeps).
  dpkg-dev
  # The renderer's tests read the text of the PDF they write.
  poppler-utils
)
# Extra groups of packages can be asked for by name ("qt" is now part of the default list).
for group in "$@"; do
  case "$group" in
    qt) ;;
    *) echo "install-deps: unknown group '$group'" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
