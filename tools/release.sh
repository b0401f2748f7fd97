#!/usr/bin/env bash
# Builds the release of Varnis into build/release/ (BUILD_DIR/release):
#   Varnis-VERSION.zip         the x86_64 programs with their files in a folder Varnis/
#   Varnis-VERSION-32bit.zip   the same with the i686 programs, for 32-bit Windows
#   Varnis-VERSION-Setup.exe   per-user setup program of the x86_64 programs
# from the Release builds win64 and win32 (those of tools/test.sh), the
# programs stripped. The version is the build's (project() in CMakeLists.txt),
# the shipped files are listed in cmake/lieferumfang.cmake. A missing tool or
# input stops it with the failing step named; an archive is only written
# whole.
set -euo pipefail
cd "$(dirname "$0")/.."
quelle=$PWD
build=${BUILD_DIR:-$quelle/build}
source tools/konfigurieren.sh

schritt="start"
trap 'rc=$?; [ "$rc" -eq 0 ] || echo "release: FAILED in step '\''$schritt'\'' (exit code $rc)" >&2' EXIT
schritt() { schritt=$1; echo "release: $1"; }

schritt "installing what is missing (tools/setup.sh)"
bash tools/setup.sh

schritt "checking the tools"
for werkzeug in cmake ninja iconv makensis \
    x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-windres x86_64-w64-mingw32-strip \
    i686-w64-mingw32-g++-posix i686-w64-mingw32-windres i686-w64-mingw32-strip; do
  command -v "$werkzeug" >/dev/null || { echo "release: tool '$werkzeug' not found" >&2; exit 1; }
done
# Only the 64-bit stubs run under this machine's Wine and on every Windows
# the setup program is for; older NSIS packages lack them.
nsis=$(makensis -HDRINFO | sed -n 's/.*NSISDIR=\([^,]*\).*/\1/p')
[ -f "$nsis/Stubs/lzma_solid-amd64-unicode" ] ||
  { echo "release: NSIS has no amd64-unicode target ($nsis/Stubs/lzma_solid-amd64-unicode)" >&2; exit 1; }

rm -rf "$build/release"

schritt "configuring win64"
konfigurieren win64
schritt "building the x86_64 programs and Varnis-*.zip"
cmake --build "$build/win64" -j "$(nproc)" --target paket

schritt "configuring win32"
konfigurieren win32
schritt "building the i686 programs and Varnis-*-32bit.zip"
cmake --build "$build/win32" -j "$(nproc)" --target paket

schritt "building the setup program Varnis-*-Setup.exe"
cmake --build "$build/win64" -j "$(nproc)" --target setup

schritt "done"
ls -l "$build/release"
