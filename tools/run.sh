#!/usr/bin/env bash
# Installs what is missing, builds the programs and starts Varnis under Wine.
# With a display, Varnis opens on it. Without one (a headless machine) it runs
# on a private Xvfb display for a few seconds, and a screenshot of its window is
# saved as a PNG file whose path is printed. With RUN_DISPLAY=none no display
# is used at all: Varnis's command line writes the chart alone, as a PNG file
# whose path is printed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
quelle=$PWD
build=${BUILD_DIR:-$PWD/build}
source tools/konfigurieren.sh
konfigurieren win64
build="$build/win64"
cmake --build "$build" -j "$(nproc)" --target Varnis32 kovra32

programm="$build/programm"   # Varnis32.exe with its data files beside it
bash tools/wine-env.sh prefix "$build"
eval "$(bash tools/wine-env.sh umgebung "$build")"

if [ "${RUN_DISPLAY:-}" = none ]; then
  # The command line draws without a window, so Wine needs no X server.
  karte="$build/varnis-karte"
  (cd "$programm" && DISPLAY= wine Varnis32.exe /karte "Z:${karte//\//\\}.bmp")
  convert "$karte.bmp" "$karte.png"
  echo "run: no display used; the chart, written through Varnis's command line: $karte.png"
  exit 0
fi

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  cd "$programm" && exec wine Varnis32.exe
fi

# Headless: a display of our own, a few seconds of Varnis, a screenshot.
trap 'bash tools/wine-env.sh stop "$build"' EXIT
DISPLAY=$(bash tools/wine-env.sh start "$build")
export DISPLAY

(cd "$programm" && wine Varnis32.exe >/dev/null 2>&1 &)
sleep "${RUN_SECONDS:-8}"
bild="$build/varnis-screenshot.png"
# The main window alone (Wine draws its frame; its title names the moment);
# the whole screen if it is not found.
fenster=$(xdotool search --onlyvisible --name '^Varnis ' 2>/dev/null | head -n 1 || true)
import -window "${fenster:-root}" "$bild"
echo "run: no display here, so Varnis ran on a virtual one for ${RUN_SECONDS:-8} s."
echo "run: screenshot of its main window: $bild"
