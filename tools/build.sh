#!/usr/bin/env bash
# Builds the portable code natively (unit tests, benchmarks) and the Windows programs with
# mingw-w64 (quorvane-chat.exe, standin-game.exe, the Wine tests). Output under build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs="${QV_JOBS:-$(nproc)}"
cmake -S "$root" -B "$root/build/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build/native" -j"$jobs"
cmake -S "$root" -B "$root/build/win" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build "$root/build/win" -j"$jobs"
