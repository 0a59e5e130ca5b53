#!/usr/bin/env bash
# Builds the shipped i686 Vornask.exe and packs it with the Chinese user guide into
# dist/Vornask-<version>.zip. The guide (docs/user-guide-zh.txt, UTF-8) goes in as
# "使用说明.txt" in GBK with CRLF line ends, and its entry name is stored as GBK bytes
# so that Windows Explorer on a Chinese system shows it right.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32

version=$(sed -n 's/^project(Vornask VERSION \([0-9][0-9.]*\)[ )].*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "release: no version in the project() line of CMakeLists.txt" >&2; exit 1; }

exe=build/win32/Vornask.exe
file -b "$exe" | grep -q '^PE32 executable.*Intel 80386' || { echo "release: $exe is not an i686 Windows program: $(file -b "$exe")" >&2; exit 1; }

stage=$(mktemp -d /tmp/vornask-release.XXXXXX)
trap 'rm -rf "$stage"' EXIT
guide_name=$(printf '使用说明.txt' | iconv -f UTF-8 -t GBK)
guide=$stage/$guide_name

cp "$exe" "$stage/Vornask.exe"
iconv -f UTF-8 -t GBK docs/user-guide-zh.txt | LC_ALL=C sed 's/\r$//; s/$/\r/' > "$guide"

# The guide must be GBK text with CRLF line ends only, and read back as the source.
kind=$(file -b "$guide")
case $kind in
  *UTF-8*|*ASCII*) echo "release: the guide is not GBK text: $kind" >&2; exit 1 ;;
  *"with CRLF line terminators"*) ;;
  *) echo "release: the guide does not have CRLF line ends only: $kind" >&2; exit 1 ;;
esac
LC_ALL=C sed 's/\r$//' "$guide" | iconv -f GBK -t UTF-8 | cmp -s - docs/user-guide-zh.txt ||
  { echo "release: the GBK guide does not read back as docs/user-guide-zh.txt" >&2; exit 1; }

mkdir -p dist
zipfile=$PWD/dist/Vornask-$version.zip
rm -f "$zipfile"
# LC_ALL=C: zip stores the name bytes as they are, without a UTF-8 flag or field.
(cd "$stage" && LC_ALL=C zip -X -q "$zipfile" Vornask.exe "$guide_name")

# The entry name must be the GBK bytes, not the UTF-8 ones.
LC_ALL=C grep -aqF "$guide_name" "$zipfile" && ! LC_ALL=C grep -aqF '使用说明' "$zipfile" ||
  { echo "release: the guide's name in the zip is not in GBK" >&2; exit 1; }

echo "release: $zipfile"
