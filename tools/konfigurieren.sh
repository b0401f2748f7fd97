# Sourced by the build scripts: configures one build folder under $build the
# same way for all of them, so a folder is never configured back and forth.
# Needs $quelle (the source tree) and $build (the folder of the builds).
#   konfigurieren native|win64|win32|fuzz
konfigurieren() {
  local name=$1 argumente
  case "$name" in
    native) argumente=(-DCMAKE_BUILD_TYPE=Debug -DVARNIS_SANITIZE=ON) ;;
    win64) argumente=(-DCMAKE_BUILD_TYPE=Release
                      -DCMAKE_TOOLCHAIN_FILE="$quelle/cmake/toolchain-mingw-x86_64.cmake") ;;
    win32) argumente=(-DCMAKE_BUILD_TYPE=Release -DVARNIS_TESTS=OFF
                      -DCMAKE_TOOLCHAIN_FILE="$quelle/cmake/toolchain-mingw-i686.cmake") ;;
    fuzz) argumente=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNIS_FUZZ=ON
                     -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++) ;;
    *) echo "konfigurieren: unknown build '$name'" >&2; return 2 ;;
  esac
  cmake -G Ninja -S "$quelle" -B "$build/$name" -DVARNIS_WERROR=ON "${argumente[@]}" >/dev/null
}
