#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Tarifex needs.
# Idempotent: asks apt only for what is missing.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ clang clang-format libclang-rt-14-dev pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-odbc
  libsqlite3-dev libjpeg62-turbo-dev libwmf-dev libuemf-dev
  firebird-dev libfbclient2 unixodbc-dev unixodbc
  # running under a display server
  xvfb xauth openbox fonts-liberation2 x11-utils
  # tests: servers, the ODBC data source, the independent Paradox reader, images
  firebird3.0-server firebird3.0-utils postgresql odbc-postgresql
  locales pxlib-dev imagemagick libjpeg-turbo-progs libgmp-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# Regional settings the tests read: Brazilian (the shops'), US, and one with a non-ASCII separator.
for loc in pt_BR en_US fr_FR; do
  locale -a 2>/dev/null | grep -qi "^${loc}\.utf-\?8$" || localedef -i "$loc" -f UTF-8 "$loc.UTF-8"
done
# The Firebird package starts its own server on install; the tests start a private one.
if command -v systemctl >/dev/null 2>&1; then systemctl disable --now firebird3.0 >/dev/null 2>&1 || true; fi
pkill -x firebird >/dev/null 2>&1 || true
exit 0
