#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need.
# Idempotent: does nothing when everything is already there. The package
# mirror is sometimes caught mid-sync, so update and install are retried.
set -euo pipefail

PAKETE=(
  cmake ninja-build g++ clang libclang-rt-14-dev git python3
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  googletest
  wine wine64 xvfb fonts-wine fonts-liberation python3-fonttools
  imagemagick x11-utils xdotool fp-utils-3.2.2 icoutils
  nsis
)

fehlend=()
for p in "${PAKETE[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
[ ${#fehlend[@]} -eq 0 ] && exit 0

echo "setup: installing ${fehlend[*]}"
export DEBIAN_FRONTEND=noninteractive
versuch() {
  local i
  for i in 1 2 3 4 5; do
    "$@" && return 0
    echo "setup: '$*' failed (try $i), retrying" >&2
    sleep $((i * 10))
  done
  return 1
}
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
versuch $SUDO apt-get update -q
versuch $SUDO apt-get install -y -q "${fehlend[@]}"
