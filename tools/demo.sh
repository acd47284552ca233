#!/usr/bin/env bash
# Runs the companion beside the stand-in game: on the X display when there is one, else on
# a virtual display, leaving a screenshot in out/demo.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/deps.sh"
"$root/tools/build.sh" >/dev/null
had_display="${DISPLAY:-}"
source "$root/tools/wine-env.sh"
mkdir -p "$root/out"
cd "$root/build/win"
work=$(mktemp -d)
script="$work/script.txt"
: > "$script"
cat > "$work/init.txt" <<'INIT'
channel Brood War USA-1
join Rakkor	0 RATS
join Zeratul	0 PX3W
join Fenix	0 PXES
chatn 40
INIT
wine standin-game.exe --pos 800,40 --init "$(winepath -w "$work/init.txt")" \
  --script "$(winepath -w "$script")" --transcript "$(winepath -w "$work/transcript.txt")" &
sleep 2
wine quorvane-chat.exe &
companion=$!
sleep 4
echo 'chat \x10Rakkor\x10: anyone up for a 1v1?' >> "$script"
echo 'chat \x10Zeratul\x11: gl hf' >> "$script"
sleep 2
if [ -z "$had_display" ]; then
  import -window root -display "$DISPLAY" "$root/out/demo.png"
  echo "screenshot: $root/out/demo.png"
  echo exit >> "$script"
  kill $companion 2>/dev/null || true
else
  echo "The companion runs beside the stand-in game; close its window to stop."
  wait $companion || true
  echo exit >> "$script"
fi
wait || true
