#!/usr/bin/env bash
# The shipped 32-bit Vornask.exe, started through qemu-i386 and Wine and driven by
# the x64 end-to-end driver: start, one Backup, Esc, exit code 0. About a minute a
# process start. Exits 77 (skipped) where i386 emulation cannot be had.
set -uo pipefail
cd "$(dirname "$0")/.."
scratch=${1:-$(mktemp -d)}
source scripts/wine-env.sh
bash scripts/i386-emulation.sh on
case $? in 0) ;; 77) echo "smoke: skipped: qemu-i386 cannot be registered with binfmt_misc here"; exit 77 ;; *) exit 1 ;; esac
trap 'bash scripts/i386-emulation.sh off' EXIT
if ! timeout 60 /usr/lib/wine/wine --version >/dev/null 2>&1; then
  echo "smoke: skipped: the 32-bit Wine loader does not start"
  exit 77
fi
# The 64-bit prefix of the other tests is reused: a new one would take minutes here.
: "${WINEPREFIX:=$scratch/prefix64}"
export WINEPREFIX
[ -d "$WINEPREFIX" ] || make_prefix "$WINEPREFIX"
ensure_display
export VORNASK_EXE=$PWD/build/win32/Vornask.exe VORNASK_TIMEOUT_SCALE=15
if timeout 900 scripts/wine-run.sh build/win64/tests/vornask_e2e.exe --gtest_filter='SmokeE2E.*'; then
  echo "smoke: passed (i686 build)"
else
  echo "smoke: FAILED (i686 build)"
  exit 1
fi
