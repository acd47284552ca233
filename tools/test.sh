#!/usr/bin/env bash
# Runs every test: the native unit tests, the Win32 tests under Wine and the end-to-end
# test (the stand-in game and the companion as two processes under Wine on a display).
# Ends with one line "N passed, N failed".
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/deps.sh" || exit 1
"$root/tools/build.sh" || exit 1

results="$root/build/test-results"
rm -rf "$results"
mkdir -p "$results" "$root/out"
status=0

echo "== native unit tests"
(cd "$root/build/native" && ctest --output-on-failure -j"$(nproc)" --output-junit "$results/native.xml") || status=1

source "$root/tools/wine-env.sh"
cd "$root/build/win"
# Registry values the end-to-end test relies on start from a clean slate.
wine reg delete 'HKLM\Software\QuorvaneDIZuvo' /f >/dev/null 2>&1 || true

echo "== Win32 tests under Wine"
# The list control's window test keeps a screenshot of its list.
export LISTBOXFX_SCREENSHOT="$(winepath -w "$root/out/listboxfx.bmp" 2>/dev/null)"
if [ -f win32_tests.exe ]; then
  wine win32_tests.exe --gtest_output="xml:$(winepath -w "$results/win32.xml" 2>/dev/null)" 2>&1 | tr -d '\r' | grep -v -E '^ALSA|alsa' || true
  grep -q '<testsuites' "$results/win32.xml" 2>/dev/null || { echo "win32 tests did not report"; status=1; }
fi

echo "== end-to-end under Wine"
export QV_OUT_DIR="$root/out"
wine e2e_tests.exe --gtest_output="xml:$(winepath -w "$results/e2e.xml" 2>/dev/null)" 2>&1 | tr -d '\r' | grep -v -E '^ALSA|alsa' || true
grep -q '<testsuites' "$results/e2e.xml" 2>/dev/null || { echo "end-to-end tests did not report"; status=1; }
for bmp in "$root"/out/*.bmp; do
  [ -e "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp" && echo "screenshot: ${bmp%.bmp}.png"
done

# One summary over all three runs: each report's first <testsuites> (GoogleTest) or
# <testsuite> (ctest) element carries its totals.
passed=0; failed=0
for xml in "$results"/*.xml; do
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
