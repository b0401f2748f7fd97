#!/usr/bin/env bash
# Installs what is missing, builds the programs and starts Varnis under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
build=${BUILD_DIR:-$PWD/build}
cmake -G Ninja -S . -B "$build/win64" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchain-mingw-x86_64.cmake" >/dev/null
cmake --build "$build/win64" -j "$(nproc)"
echo "run: the star-chart program is not part of the build yet; the libraries and tests are built in $build/win64"
