#!/usr/bin/env bash
# Runs the companion beside the stand-in game.
#  - With an X display: both windows show there until the player closes the companion;
#    then the stand-in is stopped too.
#  - Without one: both run on a virtual display, the script leaves a screenshot in
#    out/demo.png and ends by itself.
# QV_UPDATE_README_SHOT=1 always takes the virtual display and also copies the screenshot
# to docs/demo.png, the picture in the README.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# One line a stage, so a first run (several minutes, most of them building) is not silent.
stage() { echo "demo: $*"; }

stage "checking the packages it needs (installed with apt-get when missing)"
"$root/tools/deps.sh"
mkdir -p "$root/build"
build_log="$root/build/demo-build.log"
if [ -f "$root/build/win/quorvane-chat.exe" ]; then
  stage "building what changed (log: build/demo-build.log)"
else
  stage "building (the first build takes a few minutes; log: build/demo-build.log)"
fi
if ! "$root/tools/build.sh" >"$build_log" 2>&1; then
  echo "demo: the build failed; the end of its log:" >&2
  tail -n 40 "$build_log" >&2
  exit 1
fi
update_readme_shot="${QV_UPDATE_README_SHOT:-0}"
[ "$update_readme_shot" = 1 ] && export QV_FORCE_XVFB=1
headless=0
{ [ -z "${DISPLAY:-}" ] || [ "${QV_FORCE_XVFB:-0}" = 1 ]; } && headless=1
if [ "$headless" = 1 ]; then
  stage "starting a virtual display and Wine (a new Wine prefix takes a few seconds more)"
else
  stage "starting Wine on the display $DISPLAY"
fi
source "$root/tools/wine-env.sh"

mkdir -p "$root/out"
work="$root/build/demo"
rm -rf "$work"
mkdir -p "$work"
script="$work/script.txt"
transcript="$work/transcript.txt"
: > "$script"
: > "$transcript"
cat > "$work/init.txt" <<'INIT'
channel Brood War USA-1
join Rakkor	0 RATS
join Zeratul	0 PX3W
join Fenix	0 PXES
chatn 40
INIT

# Waits up to $2 seconds until the stand-in's transcript has at least $3 lines starting
# with $1; fails when it does not, or when the process $4 has ended meanwhile.
wait_for_transcript() {
  local prefix=$1 seconds=$2 count=$3 pid=$4
  for _ in $(seq $(( seconds * 10 ))); do
    [ "$(grep -c "^$prefix" "$transcript" || true)" -ge "$count" ] && return 0
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# Waits up to $2 seconds for the process $1 to end.
wait_for_end() {
  for _ in $(seq $(( $2 * 10 ))); do
    kill -0 "$1" 2>/dev/null || return 0
    sleep 0.1
  done
  return 1
}

cd "$root/build/win"
log="$work/wine.log"
stage "starting the stand-in game"
wine standin-game.exe --pos 800,40 --init "$(qv_winpath "$work/init.txt")" \
  --script "$(qv_winpath "$script")" --transcript "$(qv_winpath "$transcript")" >>"$log" 2>&1 &
standin=$!
wait_for_transcript ready 60 1 "$standin" || { echo "the stand-in game did not start" >&2; exit 1; }

stage "starting the companion and waiting until it binds to the game"
wine quorvane-chat.exe >>"$log" 2>&1 &
companion=$!
# The companion has bound to the game once it has added its five welcome lines to the game's
# chat and selected the last one.
wait_for_transcript selected 60 1 "$companion" ||
  { echo "the companion did not bind to the stand-in game" >&2; exit 1; }
stage "adding three chat rows to the game"
# Three rows with the game's colour codes and code-page letters (written as \xNN in the
# stand-in's script).
printf '%s\n' 'chat \x10Rakkor\x10: anyone up for a 1v1?' 'chat \x10Zeratul\x11: gl hf' \
  'chat \x10J\xFCrgen\x11: Gr\xFC\xDFe aus M\xFCnchen, 5 \x80 auf Zeratul \xE4' \
  'mark chat added' >> "$script"
wait_for_transcript mark 10 1 "$standin" || true
# The companion reads the game's chat five times a second; let it show the two rows.
sleep 1.5

if [ "$headless" = 1 ]; then
  stage "taking the screenshot"
  shot="$work/screen.png"
  import -window root -display "$DISPLAY" "$shot"
  # Keep the two windows: add a frame of the desktop's colour, then trim all of that colour
  # (and the strip of screen below the virtual desktop) away, leaving a small margin.
  desktop_colour=$(convert "$shot" -format '%[pixel:p{1500,1000}]' info:)
  convert "$shot" -crop "${desktop_size}+0+0" +repage -bordercolor "$desktop_colour" -border 1 \
    -trim +repage -bordercolor "$desktop_colour" -border 12 "$root/out/demo.png"
  echo "screenshot: $root/out/demo.png"
  if [ "$update_readme_shot" = 1 ]; then
    mkdir -p "$root/docs"
    convert "$root/out/demo.png" -strip "$root/docs/demo.png"
    echo "README picture: $root/docs/demo.png"
  fi
  stage "ending the stand-in game and the companion"
  echo exit >> "$script"
  wait_for_end "$standin" 10 || true
else
  echo "The companion runs beside the stand-in game; close its window to stop."
  wait "$companion" || true
  echo exit >> "$script"
  wait_for_end "$standin" 10 || true
fi
# The EXIT trap of wine-env.sh ends whatever is left (the companion, Wine's own programs,
# the server) and our virtual display.
