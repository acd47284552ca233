#!/usr/bin/env bash
# Measures what a long session costs the chat view under Wine: the disabled Win32 case
# ChatViewMeasure.* (tests/win32/chat_view_measure_test.cpp) feeds a visible view 100,000
# rows of about 35 characters, one pump pass at a time with a paint after each, and prints
# the cost of a row around row 1,000 and over the last rows, and the memory taken, in one
# run (about 20 minutes). The target: the late cost at most twice the early one. The machine
# may be shared: compare the figures of one run, and the CPU figures before the wall times.
#
#   bash tools/measure_chat_view.sh          (builds first with tools/build.sh)
#   QV_NO_BUILD=1 QV_MEASURE_ROWS=20000 QV_MEASURE_ROWS_PER_PASS=4 bash tools/measure_chat_view.sh
#   QV_MEASURE_KEEP=all ...                  (the view keeps every row: the control alone)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
[ "${QV_NO_BUILD:-0}" = 1 ] || "$root/tools/build.sh" >/dev/null || exit 1
source "$root/tools/wine-env.sh"
export QV_MEASURE_ROWS="${QV_MEASURE_ROWS:-100000}"
export QV_MEASURE_ROWS_PER_PASS="${QV_MEASURE_ROWS_PER_PASS:-1}"
out=$(mktemp -d)
(cd "$root/build/win" && wine win32_tests.exe --gtest_also_run_disabled_tests \
   --gtest_filter='ChatViewMeasure.*' >"$out/run.log" 2>&1) &
runner=$!
QV_WAIT_PIDS="$QV_WAIT_PIDS $runner"
wait "$runner"
status=$?
tr -d '\r' < "$out/run.log" | grep -E '^MEASURE' | sed 's/^MEASURE //'
if [ "$status" != 0 ]; then
  tr -d '\r' < "$out/run.log" | grep -v -E '^ALSA|alsa|^MEASURE' >&2
  rm -rf "$out"
  exit "$status"
fi
rm -rf "$out"
