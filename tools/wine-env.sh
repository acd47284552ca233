#!/usr/bin/env bash
# Sourced by the scripts that run Windows programs: a Wine prefix of our own with a virtual
# desktop (hiding windows does not stall there), a display (Xvfb when there is none) and a
# Wine server kept up for the whole run so each program starts quickly.
#
# Everything started here is stopped again when the sourcing script exits, by any path:
# the programs and the server of our prefix (wineserver -k, then -w) and our own Xvfb.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$root/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
desktop_size="${QV_DESKTOP_SIZE:-1600x1100}"
QV_XVFB_PID=""

# The Windows path of a Unix path: Wine shows the Unix root as drive Z:. Computed here
# rather than with winepath, which would start Wine for each path.
qv_winpath() {
  local path
  path=$(realpath -m "$1")
  printf 'Z:%s\n' "${path//\//\\}"
}

# Background jobs of the sourcing script that end once the Windows programs have gone
# (a ctest run and its output filter): waited for, briefly, before the display goes.
QV_WAIT_PIDS=""

# Ends every Windows program of our prefix, waits for its server to go and for the jobs
# above, then stops our Xvfb.
qv_wine_stop() {
  wineserver -k >/dev/null 2>&1 || true
  timeout 30 wineserver -w >/dev/null 2>&1 || true
  local pid
  for pid in $QV_WAIT_PIDS; do
    for _ in $(seq 50); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  QV_WAIT_PIDS=""
  if [ -n "$QV_XVFB_PID" ]; then
    kill "$QV_XVFB_PID" 2>/dev/null || true
    wait "$QV_XVFB_PID" 2>/dev/null || true
    QV_XVFB_PID=""
  fi
}

# Ends the programs of our prefix and starts a fresh server for the next ones (after a test
# run that failed or hung, so nothing of it stays behind for the next).
qv_wine_restart() {
  wineserver -k >/dev/null 2>&1 || true
  timeout 30 wineserver -w >/dev/null 2>&1 || true
  wineserver -p60 >/dev/null 2>&1 || true
}

trap qv_wine_stop EXIT
# A signal ends the script through its EXIT trap.
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

if [ -z "${DISPLAY:-}" ] || [ "${QV_FORCE_XVFB:-0}" = 1 ]; then
  # A free display number of our own; if another Xvfb takes it first, try the next.
  display_number=$(( 90 + RANDOM % 400 ))
  for _ in $(seq 20); do
    while [ -e "/tmp/.X11-unix/X$display_number" ] || [ -e "/tmp/.X$display_number-lock" ]; do
      display_number=$(( display_number + 1 ))
    done
    Xvfb ":$display_number" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
    QV_XVFB_PID=$!
    for _ in $(seq 100); do
      [ -e "/tmp/.X11-unix/X$display_number" ] && break
      kill -0 "$QV_XVFB_PID" 2>/dev/null || break
      sleep 0.05
    done
    kill -0 "$QV_XVFB_PID" 2>/dev/null && [ -e "/tmp/.X11-unix/X$display_number" ] && break
    wait "$QV_XVFB_PID" 2>/dev/null || true
    QV_XVFB_PID=""
    display_number=$(( display_number + 1 ))
  done
  if [ -z "$QV_XVFB_PID" ]; then
    echo "cannot start Xvfb" >&2
    exit 1
  fi
  export DISPLAY=":$display_number"
fi

# Leftovers of an earlier run that did not end cleanly go first.
wineserver -k >/dev/null 2>&1 || true
timeout 30 wineserver -w >/dev/null 2>&1 || true

# Prefix settings, applied once: a stamp in the prefix remembers what was applied, so a
# prefix that already has them costs nothing here.
#  - a virtual desktop of the given size;
#  - Verdana (the companion's font, not shipped with Wine or Debian) drawn as DejaVu Sans,
#    the closest match in width among Debian's fonts;
#  - Wine's own fonts (Marlett draws the title bar buttons, Tahoma the stand-in's text):
#    this Wine does not find them in its data folder, so they are linked into the prefix.
qv_settings="REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]
\"Desktop\"=\"Default\"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
\"Default\"=\"$desktop_size\"

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
\"Verdana\"=\"DejaVu Sans\"
"
qv_wine_fonts=/usr/share/wine/fonts
qv_stamp="$WINEPREFIX/quorvane-setup.txt"
qv_font_list=$(cd "$qv_wine_fonts" 2>/dev/null && echo *)
qv_wanted=$(printf '%s\nfonts: %s\n' "$qv_settings" "$qv_font_list")
if [ ! -f "$qv_stamp" ] || [ "$(cat "$qv_stamp")" != "$qv_wanted" ]; then
  echo "setting up the Wine prefix $WINEPREFIX"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
  fi
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  for font in "$qv_wine_fonts"/*; do
    [ -e "$font" ] || continue
    target="$WINEPREFIX/drive_c/windows/Fonts/$(basename "$font")"
    [ -e "$target" ] || ln -s "$font" "$target"
  done
  printf '%s' "$qv_settings" | sed 's/$/\r/' > "$WINEPREFIX/quorvane-settings.reg"
  wine reg import "$(qv_winpath "$WINEPREFIX/quorvane-settings.reg")" >/dev/null 2>&1 || true
  # The desktop setting takes effect when the server starts again.
  wineserver -k >/dev/null 2>&1 || true
  timeout 30 wineserver -w >/dev/null 2>&1 || true
  printf '%s' "$qv_wanted" > "$qv_stamp"
fi

# One server for the whole run; it also goes by itself a minute after its last program.
wineserver -p60 >/dev/null 2>&1 || true
