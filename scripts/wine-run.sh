#!/usr/bin/env bash
# Runs one Windows program under Wine: x64 programs with the 64-bit loader,
# i686 ones with the 32-bit loader (which needs qemu-i386 through binfmt_misc here).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
: "${WINEPREFIX:?set WINEPREFIX to a private prefix (scripts/test.sh does)}"
if file -L "$1" | grep -q 'PE32+'; then exec "$WINE64" "$@"; else exec wine "$@"; fi
