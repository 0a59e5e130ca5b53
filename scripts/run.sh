#!/usr/bin/env bash
# Builds the program and starts it under Wine. Without a display it runs on a
# private Xvfb, saves a screenshot to build/screenshot.png and closes it again.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset win64 >/dev/null && cmake --build --preset win64 --target Vornask
cmake --preset win32 >/dev/null && cmake --build --preset win32
source scripts/wine-env.sh
export WINEPREFIX=${WINEPREFIX:-$HOME/.wine-vornask}
bash scripts/i386-emulation.sh off
[ -f "$WINEPREFIX/system.reg" ] || make_prefix "$WINEPREFIX"
mkdir -p build/run
cp build/win64/Vornask.exe build/run/
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$WINE64" build/run/Vornask.exe
fi
bash scripts/screenshot.sh build/screenshot.png
echo "no display: the window was rendered on Xvfb; see build/screenshot.png"
