#!/usr/bin/env bash
# Measures the companion's CPU beside an idle stand-in game with 40 channel users and 80
# friends: 20 seconds in the Channel view, then 20 seconds in the Both view. The run is driven
# by the disabled end-to-end case CpuMeasure.* (tests/e2e/cpu_measure_e2e_test.cpp), which
# marks the phases on its output; this script reads the CPU time (user + system) of the Wine
# processes of quorvane-chat.exe, standin-game.exe and the Wine server from /proc at each mark.
# The target is at most 1% of one core for the companion in each view.
#
#   bash tools/measure_cpu.sh          (builds first with tools/build.sh)
#   QV_NO_BUILD=1 bash tools/measure_cpu.sh
#
# Prints one line a phase and process, e.g. "channel  quorvane-chat.exe  0.42% of one core".
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
[ "${QV_NO_BUILD:-0}" = 1 ] || "$root/tools/build.sh" >/dev/null || exit 1
source "$root/tools/wine-env.sh"
win="$root/build/win"
out=$(mktemp -d)
ticks_per_second=$(getconf CLK_TCK)

# The Unix pids of the Wine processes whose command line starts with this worktree's copy of
# a program (one, unless something else runs it too).
pids_of() {
  local wanted pid cmd
  wanted=$(qv_winpath "$win/$1")
  for pid in /proc/[0-9]*; do
    pid=${pid#/proc/}
    cmd=$(tr '\0' ' ' 2>/dev/null < "/proc/$pid/cmdline") || continue
    case "$cmd" in
      "$wanted"*) echo "$pid" ;;
    esac
  done
}

# The Wine server of our prefix: it works in a folder named by the prefix's device and inode.
server_pid() {
  local folder pid
  folder="server-$(stat -c '%D' "$WINEPREFIX")-$(printf '%x' "$(stat -c '%i' "$WINEPREFIX")")"
  for pid in /proc/[0-9]*; do
    pid=${pid#/proc/}
    case "$(cat "/proc/$pid/comm" 2>/dev/null)" in wineserver*) ;; *) continue ;; esac
    case "$(readlink "/proc/$pid/cwd" 2>/dev/null)" in
      */"$folder") echo "$pid"; return ;;
    esac
  done
}

# utime + stime of a process, in clock ticks.
cpu_ticks() {
  [ -n "$1" ] && [ -r "/proc/$1/stat" ] || { echo 0; return; }
  # Fields 14 and 15, counted after the command name in parentheses.
  sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'
}

wine reg delete 'HKLM\Software\QuorvaneDIZuvo' /f >/dev/null 2>&1 || true
(cd "$win" && wine e2e_tests.exe --gtest_also_run_disabled_tests \
   --gtest_filter='CpuMeasure.*' >"$out/run.log" 2>&1) &
runner=$!
QV_WAIT_PIDS="$QV_WAIT_PIDS $runner"

declare -A begin_ticks begin_time
status=0
for phase in channel both; do
  for edge in begin end; do
    until grep -q "CPU-PHASE $phase $edge" "$out/run.log" 2>/dev/null; do
      if ! kill -0 "$runner" 2>/dev/null; then
        echo "measure_cpu.sh: the run ended before the $phase phase:" >&2
        tr -d '\r' < "$out/run.log" | grep -v -E '^ALSA|alsa' >&2
        exit 1
      fi
      sleep 0.05
    done
    if [ "$phase $edge" = "channel begin" ]; then
      declare -A pid
      for exe in quorvane-chat.exe standin-game.exe; do
        found=$(pids_of "$exe")
        if [ "$(echo "$found" | wc -w)" != 1 ]; then
          echo "measure_cpu.sh: not one process of $exe but: ${found:-none}" >&2
          exit 1
        fi
        pid[$exe]=$found
      done
      pid[wineserver]=$(server_pid)
      echo "pids: companion ${pid[quorvane-chat.exe]}, stand-in ${pid[standin-game.exe]}," \
        "Wine server ${pid[wineserver]:-not found}"
    fi
    now=$(date +%s.%N)
    for exe in quorvane-chat.exe standin-game.exe wineserver; do
      ticks=$(cpu_ticks "${pid[$exe]:-}")
      if [ "$edge" = begin ]; then
        begin_ticks[$exe]=$ticks
        begin_time[$exe]=$now
      else
        awk -v p="$phase" -v e="$exe" -v t0="${begin_ticks[$exe]}" -v t1="$ticks" \
            -v s0="${begin_time[$exe]}" -v s1="$now" -v hz="$ticks_per_second" \
            'BEGIN { printf "%-8s %-18s %5.2f%% of one core (%d ticks in %.1f s)\n", \
                     p, e, 100 * (t1 - t0) / hz / (s1 - s0), t1 - t0, s1 - s0 }'
        if [ "$exe" = quorvane-chat.exe ]; then
          over=$(awk -v t0="${begin_ticks[$exe]}" -v t1="$ticks" -v s0="${begin_time[$exe]}" \
                     -v s1="$now" -v hz="$ticks_per_second" \
                     'BEGIN { print (100 * (t1 - t0) / hz / (s1 - s0) > 1.0) ? 1 : 0 }')
          [ "$over" = 1 ] && status=1
        fi
      fi
    done
  done
done
wait "$runner"
tr -d '\r' < "$out/run.log" | grep -E '^stand-in transcript' || true
rm -rf "$out"
[ "$status" = 0 ] && echo "the companion stayed at or under 1% of one core in both views" ||
  echo "the companion took more than 1% of one core in a view"
exit $status
