#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, when it is missing.
#   fonts-wine         Wine's own fonts: Marlett draws the title bar buttons, Tahoma the
#                      stand-in game's text;
#   fonts-dejavu-core  DejaVu Sans, drawn in place of Verdana (see tools/wine-env.sh);
#   clang, libclang-rt-14-dev  the fuzzing build.
set -euo pipefail
packages=(cmake make g++ googletest libgtest-dev libgmock-dev libbenchmark-dev mingw-w64
          g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth imagemagick python3
          fonts-wine fonts-dejavu-core clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  echo "installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi
