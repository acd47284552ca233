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
# apt-get that waits while another installation holds the package manager's locks, as on
# a fresh machine that is still installing its updates: dpkg's lock is waited for by apt
# itself, the package lists' lock (which apt-get update gives up on at once) by trying again,
# for QV_APT_LOCK_WAIT seconds in all.
apt_get() {
  local deadline=$(( SECONDS + ${QV_APT_LOCK_WAIT:-600} )) errors status
  errors=$(mktemp)
  while :; do
    status=0
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout=60 "$@" 2>"$errors" ||
      status=$?
    if [ $status -eq 0 ] || ! grep -qiE 'could not get lock|unable to (acquire|lock)' "$errors" ||
       [ $SECONDS -ge $deadline ]; then
      break
    fi
    echo "waiting for another package installation to finish" >&2
    sleep 5
  done
  cat "$errors" >&2
  rm -f "$errors"
  return $status
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing (about half a minute): ${missing[*]}"
  apt_get update -qq
  apt_get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
