#!/usr/bin/env bash
# Installs what is missing, builds every configuration and runs every test:
#   native   sky model and linked list with AddressSanitizer and UBSan (g++)
#   win64    the programs and all tests under Wine and Xvfb (MinGW x86_64)
#   win32    the 32-bit release programs, built warning-free (MinGW i686)
#   fuzz     libFuzzer targets of the file loaders, run for FUZZ_SECONDS each (clang)
set -euo pipefail
cd "$(dirname "$0")/.."
quelle=$PWD
bash tools/setup.sh

build=${BUILD_DIR:-$quelle/build}
jobs=$(nproc)
FUZZ_SECONDS=${FUZZ_SECONDS:-30}

konfigurieren() {  # name, cmake arguments...
  local name=$1; shift
  cmake -G Ninja -S "$quelle" -B "$build/$name" -DVARNIS_WERROR=ON "$@" >/dev/null
}

echo "== native (sanitizers)"
konfigurieren native -DCMAKE_BUILD_TYPE=Debug -DVARNIS_SANITIZE=ON
cmake --build "$build/native" -j "$jobs"
(cd "$build/native" && ctest --output-on-failure -j "$jobs")

echo "== win64 (Wine)"
konfigurieren win64 -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$quelle/cmake/toolchain-mingw-x86_64.cmake"
cmake --build "$build/win64" -j "$jobs"
(cd "$build/win64" && ctest --output-on-failure -j "$jobs")

echo "== win32 (build only)"
konfigurieren win32 -DCMAKE_BUILD_TYPE=Release -DVARNIS_TESTS=OFF -DCMAKE_TOOLCHAIN_FILE="$quelle/cmake/toolchain-mingw-i686.cmake"
cmake --build "$build/win32" -j "$jobs"

echo "== fuzz (${FUZZ_SECONDS} s per target)"
konfigurieren fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNIS_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
cmake --build "$build/fuzz" -j "$jobs"
(cd "$build/fuzz" && ctest --output-on-failure -j "$jobs")
