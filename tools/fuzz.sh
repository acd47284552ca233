#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer,
# Debian's clang 14) into build/fuzz and runs every one of them.
#
#   bash tools/fuzz.sh --ci                 each target for a short while, about a minute in
#                                           all, one at a time (what CI runs)
#   bash tools/fuzz.sh --long [seconds]     each target for `seconds` (default 3600), up to
#                                           three at once (QV_FUZZ_PARALLEL), one core each
#   bash tools/fuzz.sh --build              only build
#   ... [target ...]                        only these targets (line_road, list_read, ...)
#
# Seeds come from fuzz/corpus/<target>/ (read only); what the fuzzer learns is kept in
# build/fuzz/corpus/<target>/ and used again by the next run. A crash, a broken invariant or a
# hang fails the run with a message, keeps the input under build/fuzz/artifacts/<target>/ and
# the output in build/fuzz/logs/<target>.log; replay it with build/fuzz/<target>_fuzz <input>.
# Needs clang and libclang-rt-14-dev (tools/deps.sh installs them).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build/fuzz"

mode=ci
seconds=""
targets=()
while [ $# -gt 0 ]; do
  case "$1" in
    --ci) mode=ci ;;
    --long)
      mode=long
      if [[ "${2:-}" =~ ^[0-9]+$ ]]; then seconds=$2; shift; fi
      ;;
    --build) mode=build ;;
    -h|--help) sed -n '2,16p' "$0"; exit 0 ;;
    -*) echo "fuzz.sh: unknown option $1" >&2; exit 2 ;;
    *) targets+=("$1") ;;
  esac
  shift
done

fail() { echo "fuzz.sh: $*" >&2; exit 1; }

command -v clang++ >/dev/null || fail "clang++ not found: install clang and libclang-rt-14-dev"
runtime="$(clang++ -print-runtime-dir 2>/dev/null)/libclang_rt.fuzzer-$(uname -m).a"
[ -f "$runtime" ] || fail "libFuzzer runtime $runtime not found: install libclang-rt-14-dev"

CC=clang CXX=clang++ cmake -S "$root" -B "$out" -DQV_FUZZ=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || fail "configuring $out failed"
cmake --build "$out" -j"${QV_FUZZ_BUILD_JOBS:-3}" >"$out/build.log" 2>&1 ||
  { cat "$out/build.log"; fail "building the fuzz targets failed"; }
[ "$mode" = build ] && { echo "fuzz targets built in $out"; exit 0; }

if [ ${#targets[@]} -eq 0 ]; then
  for source in "$root"/fuzz/*_fuzz.cpp; do
    name=$(basename "$source" .cpp)
    targets+=("${name%_fuzz}")
  done
fi
for t in "${targets[@]}"; do
  [ -x "$out/${t}_fuzz" ] || fail "no fuzz target $t (fuzz/${t}_fuzz.cpp)"
done

if [ "$mode" = ci ]; then
  # About a minute in all however many targets there are, at least ten seconds each.
  seconds=$(( 60 / ${#targets[@]} ))
  [ "$seconds" -lt 10 ] && seconds=10
  parallel=1
else
  seconds=${seconds:-3600}
  parallel=${QV_FUZZ_PARALLEL:-3}
fi

mkdir -p "$out/logs"

# Runs one target for $seconds; its status is in $out/logs/<target>.status.
run_target() {
  local t=$1
  local work="$out/corpus/$t" artifacts="$out/artifacts/$t" log="$out/logs/$t.log"
  mkdir -p "$work" "$artifacts"
  local args=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192
              -print_final_stats=1 -artifact_prefix="$artifacts/")
  [ -f "$root/fuzz/$t.dict" ] && args+=(-dict="$root/fuzz/$t.dict")
  local seeds=()
  [ -d "$root/fuzz/corpus/$t" ] && seeds=("$root/fuzz/corpus/$t")
  touch "$out/logs/$t.start"
  "$out/${t}_fuzz" "${args[@]}" "$work" "${seeds[@]}" >"$log" 2>&1
  echo $? >"$out/logs/$t.status"
}

summary() {
  local t=$1 log="$out/logs/$1.log"
  local status execs rate
  status=$(cat "$out/logs/$t.status")
  execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | tail -1 | grep -o '[0-9]*$')
  rate=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | tail -1 | grep -o '[0-9]*$')
  if [ "$status" -eq 0 ]; then
    echo "fuzz $t: ok, ${execs:-?} inputs in ${seconds}s (${rate:-?}/s)"
    return 0
  fi
  echo "fuzz $t: FAILED (exit $status) -- output follows, full log in $log"
  grep -v -E '^#[0-9]+|^INFO:|^MERGE' "$log" | tail -n 60 | sed 's/^/  | /'
  local found=0
  while IFS= read -r input; do
    echo "fuzz $t: input kept at $input"
    echo "fuzz $t: replay with $out/${t}_fuzz $input"
    found=1
  done < <(find "$out/artifacts/$t" -type f -newer "$out/logs/$t.start" 2>/dev/null)
  [ "$found" -eq 1 ] || echo "fuzz $t: no input was kept (see the log)"
  return 1
}

echo "fuzzing ${targets[*]} for ${seconds}s each, $parallel at a time"
running=0
for t in "${targets[@]}"; do
  if [ "$running" -ge "$parallel" ]; then
    wait -n
    running=$((running - 1))
  fi
  run_target "$t" &
  running=$((running + 1))
done
wait

status=0
for t in "${targets[@]}"; do
  summary "$t" || status=1
done
if [ "$status" -ne 0 ]; then
  echo "fuzz.sh: a fuzz target failed; fix the fault and add its input to a unit test" >&2
fi
exit $status
