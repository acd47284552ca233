#!/usr/bin/env bash
# Sourced by the scripts that run Windows programs: a Wine prefix of our own with a virtual
# desktop (hiding windows does not stall there), a display (Xvfb when there is none) and a
# persistent Wine server so each program starts quickly.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$root/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
desktop_size="${QV_DESKTOP_SIZE:-1600x1100}"

if [ -z "${DISPLAY:-}" ] || [ "${QV_FORCE_XVFB:-0}" = 1 ]; then
  display_number=$(( 90 + RANDOM % 400 ))
  while [ -e "/tmp/.X11-unix/X$display_number" ] || [ -e "/tmp/.X$display_number-lock" ]; do
    display_number=$(( display_number + 1 ))
  done
  Xvfb ":$display_number" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
  QV_XVFB_PID=$!
  export DISPLAY=":$display_number"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display_number" ] && break; sleep 0.1; done
  trap 'wineserver -k >/dev/null 2>&1 || true; kill $QV_XVFB_PID 2>/dev/null || true' EXIT
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
fi
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$desktop_size" /f >/dev/null 2>&1
# Restart the server so the desktop setting takes effect, then keep it running.
wineserver -k >/dev/null 2>&1 || true
wineserver -w >/dev/null 2>&1 || true
wine reg query 'HKCU\Software\Wine\Explorer' >/dev/null 2>&1 || true
wineserver -p >/dev/null 2>&1 || true
