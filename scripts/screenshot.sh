#!/usr/bin/env bash
# Renders the real window under Wine on a private Xvfb (with a CJK font) and saves
# it as a PNG ($1, default build/screenshot.png). The fields show sample folders
# from a config.ini written beside the exe first.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/screenshot.png}")
source scripts/wine-env.sh
scratch=$(mktemp -d /tmp/vornask-shot.XXXXXX)
export WINEPREFIX=${WINEPREFIX:-$scratch/prefix}
trap 'stop_wine; rm -rf "$scratch"' EXIT
unset DISPLAY
ensure_display
[ -f "$WINEPREFIX/system.reg" ] || make_prefix "$WINEPREFIX"
mkdir -p "$scratch/run"
cp build/win64/Vornask.exe "$scratch/run/"
printf '[config]\r\n游戏配置=D:\\Games\\LOL\\Game\\Config\r\n保存路径=D:\\备份\\LOL\r\n' | iconv -f UTF-8 -t GBK > "$scratch/run/config.ini"
(cd "$scratch/run" && exec "$WINE64" Vornask.exe) &
geometry=""
for _ in $(seq 1 300); do
  geometry=$(xwininfo -root -tree 2>/dev/null | grep -m1 '"Vornask"' | grep -Eo '[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+' | head -1) && [ -n "$geometry" ] && break
  sleep 0.1
done
[ -n "$geometry" ] || { echo "screenshot: the window did not appear" >&2; exit 1; }
sleep 1  # let Wine finish painting the controls
mkdir -p "$(dirname "$out")"
import -window root -crop "$geometry" +repage "$out"
echo "screenshot: $out ($geometry)"
