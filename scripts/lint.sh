#!/usr/bin/env bash
# The house checks: clang-format on every C++ file, and clang-tidy (.clang-tidy)
# on the portable code and on the Win32 adapters. Needs the host and win64 builds
# configured (scripts/test.sh does that first).
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h')
echo "== clang-format"
clang-format --dry-run --Werror $files

# clang knows no GBK execution charset; the code's texts are checked by the tests, not here.
db=$(mktemp -d)
trap 'rm -rf "$db"' EXIT
tidy() {  # build dir, extra clang args, files
  local build=$1 extra=$2; shift 2
  sed -e 's/ -fexec-charset=GBK//g' -e 's/ -finput-charset=UTF-8//g' "$build/compile_commands.json" > "$db/compile_commands.json"
  clang-tidy -p "$db" --quiet $extra "$@" 2>&1 | grep -vE '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$' || true
}
echo "== clang-tidy"
out=$(tidy build/host "" $(git ls-files 'src/*.cpp' | grep -v '_win\.cpp$'))
out+=$(tidy build/win64 "--extra-arg=--target=x86_64-w64-mingw32" $(git ls-files 'src/*_win.cpp'))
if [ -n "$out" ]; then printf '%s\n' "$out"; exit 1; fi
echo "lint: clean"
