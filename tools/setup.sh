#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, and
# fetches the sources of ERFA (the astronomy library built into the programs)
# into BUILD_DIR/fremd/. Idempotent: does nothing when everything is already
# there. The package mirror is sometimes caught mid-sync, so update, install
# and download are retried.
set -euo pipefail
cd "$(dirname "$0")/.."
quelle=$PWD

PAKETE=(
  cmake ninja-build g++ clang libclang-rt-14-dev git python3
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  googletest
  wine wine64 xvfb fonts-wine fonts-liberation python3-fonttools
  imagemagick x11-utils xdotool fp-utils-3.2.2 icoutils
  nsis
  # apt-get source; the tests' ephemeris and time-zone oracles
  dpkg-dev python3-ephem tzdata
)

# ERFA, pinned: Debian 12's source package and the SHA-256 of its files as its
# .dsc lists them (the Debian revision adds packaging only, no patches).
ERFA_VERSION=2.0.0-1
ERFA_ORDNER=erfa-2.0.0
ERFA_DSC=erfa_2.0.0-1.dsc
ERFA_DSC_SHA256=4ae18bd1282e612d8dd2f5cb6a4e3067fb2e50ad3bd199d3c65a1ca50cf2dc6d
ERFA_ORIG=erfa_2.0.0.orig.tar.gz
ERFA_ORIG_SHA256=e40f5175604c50c46fded7f9f76565dd5879a7f4ee27fa4484c2af217b7dfeb4
fremd=${BUILD_DIR:-$quelle/build}/fremd

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

fehlend=()
for p in "${PAKETE[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
if [ ${#fehlend[@]} -ne 0 ]; then
  echo "setup: installing ${fehlend[*]}"
  versuch $SUDO apt-get update -q
  versuch $SUDO apt-get install -y -q "${fehlend[@]}"
fi

# The unpacked source carries the checksum it was checked against; a folder
# without it (an interrupted unpack) is made anew.
[ "$(cat "$fremd/$ERFA_ORDNER/.varnis-sha256" 2>/dev/null)" = "$ERFA_ORIG_SHA256" ] && exit 0

echo "setup: fetching the source package erfa=$ERFA_VERSION into $fremd"
liste=/etc/apt/sources.list.d/varnis-quellen.list
if ! cmp -s tools/apt/varnis-quellen.list "$liste"; then
  $SUDO cp tools/apt/varnis-quellen.list "$liste"
fi
versuch $SUDO apt-get update -q
mkdir -p "$fremd/laden"
pruefen() {  # file, expected SHA-256
  echo "$2  $1" | sha256sum -c --quiet --status - 2>/dev/null
}
holen() {
  (cd "$fremd/laden" && rm -f erfa_* && apt-get source --download-only -q "erfa=$ERFA_VERSION") &&
    pruefen "$fremd/laden/$ERFA_DSC" "$ERFA_DSC_SHA256" &&
    pruefen "$fremd/laden/$ERFA_ORIG" "$ERFA_ORIG_SHA256"
}
if ! versuch holen; then
  echo "setup: could not fetch erfa=$ERFA_VERSION with its pinned checksums" \
       "(deb-src of $liste, $ERFA_DSC $ERFA_DSC_SHA256, $ERFA_ORIG $ERFA_ORIG_SHA256)" >&2
  exit 1
fi
rm -rf "$fremd/$ERFA_ORDNER" "$fremd/entpacken"
mkdir -p "$fremd/entpacken"
tar -xzf "$fremd/laden/$ERFA_ORIG" -C "$fremd/entpacken"
[ -f "$fremd/entpacken/$ERFA_ORDNER/src/erfa.h" ] ||
  { echo "setup: $ERFA_ORIG holds no $ERFA_ORDNER/src/erfa.h" >&2; exit 1; }
echo "$ERFA_ORIG_SHA256" > "$fremd/entpacken/$ERFA_ORDNER/.varnis-sha256"
mv "$fremd/entpacken/$ERFA_ORDNER" "$fremd/$ERFA_ORDNER"
rm -rf "$fremd/entpacken"
