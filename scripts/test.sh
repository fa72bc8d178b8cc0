#!/usr/bin/env bash
# Installs what is needed, builds Tarifex and runs every test: the servers the tests use
# (Firebird, and PostgreSQL behind an ODBC data source) are started here and always stopped.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
bash "$root/scripts/install-deps.sh"
BUILD_DIR=$build bash "$root/scripts/build.sh"

servers=$(mktemp -d /tmp/tarifex-servers.XXXXXX)
cleanup() { bash "$root/scripts/test-servers.sh" stop "$servers" >/dev/null 2>&1 || true; rm -rf "$servers"; }
trap cleanup EXIT
if [ -f "$root/scripts/test-servers.sh" ]; then
  bash "$root/scripts/test-servers.sh" start "$servers"
  # shellcheck disable=SC1091
  . "$servers/env.sh"
fi
cd "$build"
ctest --output-on-failure -j 2 --timeout 900
