#!/usr/bin/env bash
# Runs the tests, tier by tier:
#   native  unit tests of the portable code;
#   win32   the real platform layer under Wine;
#   e2e     the stand-in game and the companion as two processes under Wine on a display;
#   soak    the long end-to-end run.
# QV_TIERS picks some of them (default: all), e.g. QV_TIERS="native win32".
# First it checks that the release exe holds no switch of the tests.
# The Wine tiers run through ctest (labels win32, e2e, soak). Ends with one line
# "N passed, N failed" counting single test cases; a run that crashed or hung counts as a
# failure too.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
all_tiers="native win32 e2e soak"
tiers="${QV_TIERS:-$all_tiers}"
for tier in $tiers; do
  case " $all_tiers " in
    *" $tier "*) ;;
    *) echo "unknown tier '$tier' in QV_TIERS (known: $all_tiers)" >&2; exit 2 ;;
  esac
done
wanted() { case " $tiers " in *" $1 "*) return 0 ;; *) return 1 ;; esac; }

"$root/tools/deps.sh" || exit 1
"$root/tools/build.sh" || exit 1

results="$root/build/test-results"
rm -rf "$results"
mkdir -p "$results" "$root/out"
status=0
extra_failures=0

# The shipped program has no switch of the tests: neither the capture tests' old environment
# switch nor their probe message may be in it, as ASCII or as UTF-16 (wide literals).
# The same search finds the probe in the tests' own companion, so it can see what it looks for.
holds_word() {
  local wide
  wide=$(printf '%s' "$1" | sed 's/./&\\x00/g')
  LC_ALL=C grep -qaF "$1" "$2" || LC_ALL=C grep -qaP "$wide" "$2"
}
release_exe="$root/build/win/quorvane-chat.exe"
if [ -f "$release_exe" ]; then
  for word in QV_TEST_CAPTURE QuorvaneTestHandleBox; do
    if holds_word "$word" "$release_exe"; then
      echo "FAILED: $release_exe holds the test switch \"$word\""
      extra_failures=$(( extra_failures + 1 ))
    fi
  done
  test_exe="$root/build/win/capture-companion.exe"
  if [ -f "$test_exe" ] && ! holds_word QuorvaneTestHandleBox "$test_exe"; then
    echo "FAILED: the search for test switches does not find the probe in $test_exe"
    extra_failures=$(( extra_failures + 1 ))
  fi
fi

if wanted native; then
  echo "== native unit tests"
  (cd "$root/build/native" &&
    ctest --output-on-failure -j"${QV_JOBS:-$(nproc)}" --output-junit "$results/native.xml") ||
    status=1
fi

# Runs one Wine tier through ctest and keeps its GoogleTest report. A tier without tests
# in this build is skipped; one that ends badly without reporting a failed case (crash,
# hang, stopped by the timeout) counts as one failure.
run_wine_tier() {
  local tier=$1 limit=$2 win="$root/build/win"
  if ! (cd "$win" && ctest -N -L "^$tier\$" | grep -q 'Total Tests: [1-9]'); then
    echo "no $tier tests in this build"
    return
  fi
  rm -f "$win/test-results/$tier.xml" "$results/$tier.status"
  # ctest stops the test program on its timeout (cmake/win32.cmake); the outer limit, a
  # little longer, only guards against ctest waiting on a program the test left behind.
  # ctest stays in our process group (--foreground), so Ctrl-C reaches it, and runs as a
  # background job, so a signal to this script ends the run at once (see wine-env.sh).
  {
    (cd "$win" && exec timeout --foreground "$limit" ctest -L "^$tier\$" --output-on-failure) 2>&1
    echo $? > "$results/$tier.status"
  } | tr -d '\r' | grep -v -E '^ALSA|alsa' &
  local job=$!
  QV_WAIT_PIDS="$QV_WAIT_PIDS $job"
  wait "$job"
  QV_WAIT_PIDS="${QV_WAIT_PIDS/ $job/}"
  local ctest_status
  ctest_status=$(cat "$results/$tier.status" 2>/dev/null || echo 1)
  rm -f "$results/$tier.status"
  local report="$win/test-results/$tier.xml"
  if grep -q '<testsuites' "$report" 2>/dev/null; then
    cp "$report" "$results/$tier.xml"
    if [ "$ctest_status" -ne 0 ] && grep -q '<testsuites[^>]* failures="0"' "$report"; then
      echo "$tier tests ended badly after reporting (exit status $ctest_status)"
      extra_failures=$(( extra_failures + 1 ))
    fi
  else
    echo "$tier tests did not report (crashed, hung or stopped by the timeout)"
    extra_failures=$(( extra_failures + 1 ))
  fi
  if [ "$ctest_status" -ne 0 ]; then
    status=1
    # Nothing of a failed run may stay behind for the next tier.
    qv_wine_restart
  fi
}

if wanted win32 || wanted e2e || wanted soak; then
  source "$root/tools/wine-env.sh"
  # Artefacts the Wine tests keep: screenshots go to out/.
  export QV_OUT_DIR="$root/out"
  # The list control's window test keeps a screenshot of its list.
  LISTBOXFX_SCREENSHOT="$(qv_winpath "$root/out/listboxfx.bmp")"
  export LISTBOXFX_SCREENSHOT
  for tier in win32 e2e soak; do
    wanted "$tier" || continue
    echo "== $tier tests under Wine"
    # The program's stored settings start from a clean slate.
    wine reg delete 'HKLM\Software\QuorvaneDIZuvo' /f >/dev/null 2>&1 || true
    case $tier in
      win32) run_wine_tier win32 420 ;;
      e2e) run_wine_tier e2e 720 ;;
      soak) run_wine_tier soak 1920 ;;
    esac
  done
  for bmp in "$root"/out/*.bmp; do
    [ -e "$bmp" ] || continue
    convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp" && echo "screenshot: ${bmp%.bmp}.png"
  done
fi

# One summary over all runs: each report's first <testsuites> (GoogleTest) or <testsuite>
# (ctest) element carries its totals.
passed=0
failed=$extra_failures
for xml in "$results"/*.xml; do
  [ -e "$xml" ] || continue
  head=$(tr '\n\t' '  ' < "$xml" | grep -o '<testsuites\?[ >][^>]*' | head -1)
  count() { echo "$head" | grep -o " $1=\"[0-9]*\"" | head -1 | grep -o '[0-9]*'; }
  t=$(count tests); f=$(count failures); e=$(count errors); d=$(count disabled); s=$(count skipped)
  t=${t:-0}; f=$(( ${f:-0} + ${e:-0} ))
  passed=$(( passed + t - f - ${d:-0} - ${s:-0} ))
  failed=$(( failed + f ))
done
[ "$failed" -gt 0 ] && status=1
echo "$passed passed, $failed failed"
exit $status
