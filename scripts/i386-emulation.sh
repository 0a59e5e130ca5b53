#!/usr/bin/env bash
# Turns qemu-i386 emulation through binfmt_misc on or off ("on" registers it first).
# Exit 77 when this machine cannot have it (no binfmt_misc, not root).
set -u
dir=/proc/sys/fs/binfmt_misc
entry=$dir/qemu-i386
if [ ! -e "$dir/register" ]; then
  mount -t binfmt_misc binfmt_misc "$dir" 2>/dev/null || { [ "$1" = off ] && exit 0; exit 77; }
fi
case "$1" in
  off) [ -e "$entry" ] && echo 0 > "$entry"; exit 0 ;;
  on)
    [ -x /usr/bin/qemu-i386-static ] || exit 77
    if [ ! -e "$entry" ]; then
      printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
        > "$dir/register" 2>/dev/null || exit 77
    fi
    echo 1 > "$entry" 2>/dev/null || exit 77 ;;
esac
