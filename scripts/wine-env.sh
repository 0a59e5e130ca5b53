# Sourced by the scripts: the Wine environment of one run, and helpers to bring up
# an X display and a private Wine prefix.
export LC_ALL=zh_CN.UTF-8          # Wine's ANSI code page becomes 936 (GBK)
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="
WINE64=/usr/lib/wine/wine64

# An X display: the one we have, or a private Xvfb on a free display number.
ensure_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  local n
  for n in $(seq 91 130); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 100); do
      xdpyinfo >/dev/null 2>&1 && return 0
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
  done
  echo "could not start Xvfb" >&2
  return 1
}

# A new Wine prefix in $1, initialised and with its wineserver kept running.
make_prefix() {
  export WINEPREFIX="$1"
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  "$WINE64" wineboot -i >/dev/null 2>&1
  wineserver -p 2>/dev/null || true
}

stop_wine() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}
