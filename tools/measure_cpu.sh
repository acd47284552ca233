#!/usr/bin/env bash
# Measures the companion's CPU against its floor beside an idle stand-in game with 47 channel
# users and 83 friends. The floor is cpu-floor-reader.exe (tests/cpu_floor): a reader that
# sends the stand-in only the list messages that keep the copies current (the channel list
# every 175 ms, the chat count every 200 ms and, as for the Both view, the friends list every
# 800 ms) and does nothing else.
#
# The run is driven by the disabled end-to-end case CpuMeasure.* (tests/e2e/
# cpu_measure_e2e_test.cpp). In each round it runs the companion in the Channel view and in
# the Both view, then the floor reader as for each view, and marks each phase on its output;
# this script reads the CPU time (user + system) of the Wine processes of the measured program
# (quorvane-chat.exe or cpu-floor-reader.exe), of standin-game.exe and of the Wine server from
# /proc at each mark. Companion and floor alternate, so a busy machine disturbs both alike;
# the summary gives the median of the rounds.
#
# Two ratios per view, companion / floor:
#   own    the measured program's process alone;
#   total  the program + the stand-in + the Wine server (what the program causes in all three).
# The target is an own ratio of at most 1.5 in both views.
#
#   bash tools/measure_cpu.sh          (builds first with tools/build.sh)
#   QV_NO_BUILD=1 QV_CPU_ROUNDS=3 QV_CPU_PHASE_SECONDS=20 bash tools/measure_cpu.sh
#
# Prints one line a phase and process, e.g. "1 companion channel quorvane-chat.exe 4.10%",
# then the medians and the ratios.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
[ "${QV_NO_BUILD:-0}" = 1 ] || "$root/tools/build.sh" >/dev/null || exit 1
source "$root/tools/wine-env.sh"
win="$root/build/win"
out=$(mktemp -d)
ticks_per_second=$(getconf CLK_TCK)
export QV_CPU_ROUNDS="${QV_CPU_ROUNDS:-3}"
export QV_CPU_PHASE_SECONDS="${QV_CPU_PHASE_SECONDS:-20}"
target_ratio=1.5

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

# The one process of a program, or a message and the end of the run.
one_pid() {
  local found
  found=$(pids_of "$1")
  if [ "$(echo "$found" | wc -w)" != 1 ]; then
    echo "measure_cpu.sh: not one process of $1 but: ${found:-none}" >&2
    exit 1
  fi
  echo "$found"
}

wine reg delete 'HKLM\Software\QuorvaneDIZuvo' /f >/dev/null 2>&1 || true
(cd "$win" && wine e2e_tests.exe --gtest_also_run_disabled_tests \
   --gtest_filter='CpuMeasure.*' >"$out/run.log" 2>&1) &
runner=$!
QV_WAIT_PIDS="$QV_WAIT_PIDS $runner"

# One line per phase and process: "round who view process percent".
results="$out/results.txt"
: > "$results"
standin="" server=""
declare -A begin_ticks
begin_time=0 program="" handled=0 phases=0
while :; do
  alive=1
  kill -0 "$runner" 2>/dev/null || alive=0
  mapfile -t marks < <(tr -d '\r' < "$out/run.log" 2>/dev/null | grep '^CPU-PHASE ')
  while [ "$handled" -lt "${#marks[@]}" ]; do
    read -r _ round who view edge <<<"${marks[$handled]}"
    handled=$(( handled + 1 ))
    if [ "$edge" = begin ]; then
      [ -n "$standin" ] || standin=$(one_pid standin-game.exe) || exit 1
      [ -n "$server" ] || server=$(server_pid)
      case "$who" in
        companion) program=$(one_pid quorvane-chat.exe) || exit 1 ;;
        *) program=$(one_pid cpu-floor-reader.exe) || exit 1 ;;
      esac
      begin_ticks[program]=$(cpu_ticks "$program")
      begin_ticks[standin]=$(cpu_ticks "$standin")
      begin_ticks[server]=$(cpu_ticks "$server")
      begin_time=$(date +%s.%N)
    else
      end_program=$(cpu_ticks "$program")
      end_standin=$(cpu_ticks "$standin")
      end_server=$(cpu_ticks "$server")
      now=$(date +%s.%N)
      for part in "program $end_program" "standin $end_standin" "server $end_server"; do
        read -r name ticks <<<"$part"
        awk -v r="$round" -v w="$who" -v v="$view" -v n="$name" -v t0="${begin_ticks[$name]}" \
            -v t1="$ticks" -v s0="$begin_time" -v s1="$now" -v hz="$ticks_per_second" \
            'BEGIN { printf "%s %s %s %s %.3f\n", r, w, v, n, 100 * (t1 - t0) / hz / (s1 - s0) }' \
          | tee -a "$results"
      done
      phases=$(( phases + 1 ))
    fi
  done
  [ "$alive" = 1 ] || break
  sleep 0.05
done
wait "$runner"
tr -d '\r' < "$out/run.log" | grep -E '^stand-in transcript' || true
if [ "$phases" -lt $(( 4 * QV_CPU_ROUNDS )) ]; then
  echo "measure_cpu.sh: the run ended after $phases phases:" >&2
  tr -d '\r' < "$out/run.log" | grep -v -E '^ALSA|alsa' >&2
  rm -rf "$out"
  exit 1
fi

# Medians over the rounds, then the ratios of the medians.
awk -v target="$target_ratio" '
  function median(key,   n, i, j, t, v) {
    n = split(values[key], v, " ")
    for (i = 1; i <= n; ++i) for (j = i + 1; j <= n; ++j) if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
    return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
  }
  { key = $2 " " $3 " " $4; values[key] = values[key] " " $5
    total[$1 " " $2 " " $3] += $5 }
  END {
    for (k in total) { split(k, p, " "); values[p[2] " " p[3] " total"] = values[p[2] " " p[3] " total"] " " total[k] }
    print ""
    printf "%-8s %-10s %8s %8s %8s %8s   (median %% of one core)\n", "view", "program", "own", "stand-in", "server", "total"
    status = 0
    for (vi = 1; vi <= 2; ++vi) {
      view = vi == 1 ? "channel" : "both"
      for (wi = 1; wi <= 2; ++wi) {
        who = wi == 1 ? "companion" : "floor"
        printf "%-8s %-10s %8.2f %8.2f %8.2f %8.2f\n", view, who, median(who " " view " program"),
          median(who " " view " standin"), median(who " " view " server"), median(who " " view " total")
      }
      own = median("companion " view " program") / median("floor " view " program")
      all = median("companion " view " total") / median("floor " view " total")
      printf "%-8s ratio companion/floor: own %.2f, total %.2f\n", view, own, all
      if (own > target) status = 1
    }
    print status ? "the companion took more than " target " times its floor in a view" \
                 : "the companion stayed within " target " times its floor in both views"
    exit status
  }' "$results"
status=$?
rm -rf "$out"
exit $status
