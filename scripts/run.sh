#!/usr/bin/env bash
# Installs what is needed, builds Tarifex, writes the sample catalogue and opens the program on it.
# Without a display it starts a virtual one (Xvfb with openbox) and keeps the program running
# there until it is closed or this script is interrupted.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
bash "$root/scripts/install-deps.sh"
BUILD_DIR=$build bash "$root/scripts/build.sh"

sample=$root/sample
if [ ! -f "$sample/Cad_Produtos.DB" ]; then
  "$build/tools/samplecatalogue/tarifex-sample" "$sample"
fi
# The program reads Vorlane.ini beside its executable.
printf '[BDados]\r\nTipo=Standard\r\nCaminho=%s\r\n' "$sample" > "$build/startup/Vorlane.ini"

if [ -z "${DISPLAY:-}" ]; then
  export DISPLAY=:57
  Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null || true' EXIT
  sleep 1
  openbox >/dev/null 2>&1 &
  echo "Tarifex is running on the virtual display $DISPLAY (take a screenshot with: import -display $DISPLAY -window root shot.png)"
fi
exec_status=0
"$build/startup/Tarifex" || exec_status=$?
exit $exec_status
