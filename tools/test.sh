#!/usr/bin/env bash
# Installs what is missing, builds every configuration and runs every test:
#   native   the portable parts with AddressSanitizer and UBSan (g++), the
#            moment compared with python3-ephem and zoneinfo
#   release  tools/release.sh: the win64 and win32 programs, both archives
#            and the setup program, which the win64 tests check
#   win64    the programs and all tests under Wine and Xvfb (MinGW x86_64)
#   win32    the 32-bit release programs, built warning-free (MinGW i686)
#   fuzz     libFuzzer targets of every reader of outside bytes, FUZZ_SECONDS each (clang)
set -euo pipefail
cd "$(dirname "$0")/.."
quelle=$PWD
bash tools/setup.sh

build=${BUILD_DIR:-$quelle/build}
jobs=$(nproc)
FUZZ_SECONDS=${FUZZ_SECONDS:-30}
source tools/konfigurieren.sh

echo "== native (sanitizers)"
konfigurieren native
cmake --build "$build/native" -j "$jobs"
(cd "$build/native" && ctest --output-on-failure -j "$jobs")

echo "== release"
BUILD_DIR="$build" bash tools/release.sh

echo "== win64 (Wine)"
konfigurieren win64
cmake --build "$build/win64" -j "$jobs"
(cd "$build/win64" && ctest --output-on-failure -j "$jobs")

echo "== win32 (build only)"
konfigurieren win32
cmake --build "$build/win32" -j "$jobs"

echo "== fuzz (${FUZZ_SECONDS} s per target)"
konfigurieren fuzz
cmake --build "$build/fuzz" -j "$jobs"
(cd "$build/fuzz" && ctest --output-on-failure -j "$jobs")
