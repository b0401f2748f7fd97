#!/usr/bin/env bash
# The Wine environment of one build tree, for every script that runs a
# Windows program (the tests, tools/run.sh, the help's screenshots, the
# saver's long run): a private prefix with the fonts the programs use, an
# Xvfb display and a persistent wineserver, so that a whole test run pays for
# one Wine start-up only.
#   wine-env.sh prefix   BUILD            create the prefix if it is missing
#   wine-env.sh umgebung BUILD            print the prefix's variables as
#                                         export lines, for eval or a parser
#   wine-env.sh start    BUILD [WxH]      prefix + Xvfb (1024x768 unless
#                                         given) + wineserver, remembered in
#                                         BUILD; prints the display (":N")
#   wine-env.sh stop     BUILD            stop what start started
#   wine-env.sh run      BUILD PROGRAM.exe [ARGS...]
#                                         run a program in the prefix, on the
#                                         display of start when it is up
#                                         (CTest's emulator for the cross build)
set -euo pipefail
aktion=$1
build=$(cd "$2" && pwd)
shift 2
# Wine quiet, and without Mono and Gecko: neither is needed, and Wine would
# offer to install them.
umgebung=(WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=")
export "${umgebung[@]}"
zustand="$build/wine-env"

prefix_anlegen() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  # Wine's own Symbol font draws the 8-bit codes of TextOutA as boxes; this
  # derived copy draws them and wins over it by its higher version (see
  # symbolschrift.py).
  local symbol="$fonts/varnis-symbol.ttf"
  # A finished prefix from before that copy or before Marlett gets the fonts
  # only, not a new boot.
  [ -f "$WINEPREFIX/.varnis-fertig" ] && [ -f "$symbol" ] && [ -f "$fonts/marlett.ttf" ] && return 0
  if [ ! -f "$WINEPREFIX/.varnis-fertig" ]; then
    # A boot cut short (its wineserver killed from outside, say) leaves a
    # prefix without the system's DLLs, in which every program fails to
    # start: such a prefix is made again, and after three tries the set-up
    # stops with a message instead of leaving it to every test to fail.
    local versuch
    for versuch in 1 2 3; do
      [ -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ] && break
      rm -rf "$WINEPREFIX"
      mkdir -p "$WINEPREFIX"
      # No display is needed to build a prefix; keep wineboot from looking for one.
      DISPLAY= wineboot -i >/dev/null 2>&1 || true
      wineserver -w
    done
    if [ ! -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ]; then
      echo "wine-env: the Wine prefix $WINEPREFIX could not be made (wineboot -i)" >&2
      exit 1
    fi
    # Xvfb has no window manager: Wine would wait 2 s for each managed window
    # to be withdrawn when it is hidden or destroyed. Unmanaged windows go at once.
    DISPLAY= wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    wineserver -w
  fi
  mkdir -p "$fonts"
  # Marlett holds the glyphs Wine draws the title bar's buttons with;
  # without it they show as the letters that stand for them ("0 1 r").
  cp /usr/share/wine/fonts/symbol.ttf /usr/share/wine/fonts/tahoma.ttf \
     /usr/share/wine/fonts/tahomabd.ttf /usr/share/wine/fonts/marlett.ttf "$fonts/"
  # Debian's python3 has fontTools (python3-fonttools); another python3 may
  # come first on PATH. Written outside Fonts and moved in, so Wine never
  # sees a half-written font.
  /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/symbolschrift.py" \
    /usr/share/wine/fonts/symbol.ttf "$WINEPREFIX/varnis-symbol.neu"
  mv "$WINEPREFIX/varnis-symbol.neu" "$symbol"
  touch "$WINEPREFIX/.varnis-fertig"
}

freie_anzeige() {
  local n
  for n in $(seq 91 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { echo "$n"; return; }
  done
  echo "wine-env: no free X display" >&2; exit 1
}

starten() {
  local bildschirm=${1:-1024x768}
  # Standard output carries the display alone.
  prefix_anlegen >&2
  mkdir -p "$zustand"
  # One environment per build folder: a display still recorded from an
  # earlier start (a run killed before its stop) goes first, or its Xvfb
  # would outlive the pid file that names it.
  if [ -f "$zustand/xvfb.pid" ] && kill -0 "$(cat "$zustand/xvfb.pid")" 2>/dev/null; then
    echo "wine-env: stopping the environment still running for $build" >&2
    stoppen
  fi
  local n; n=$(freie_anzeige)
  # Both run detached from our output, so CTest does not wait on their pipes.
  setsid Xvfb ":$n" -screen 0 "${bildschirm}x24" -nolisten tcp </dev/null >/dev/null 2>&1 &
  echo $! > "$zustand/xvfb.pid"
  echo ":$n" > "$zustand/display"
  local i
  for i in $(seq 1 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.1
  done
  DISPLAY=":$n" setsid wineserver -p </dev/null >/dev/null 2>&1
  # Start Wine's helper processes now, detached, so no test pays for them.
  DISPLAY=":$n" setsid wine cmd /c exit </dev/null >/dev/null 2>&1 || true
  echo ":$n"
}

stoppen() {
  wineserver -k 2>/dev/null || true
  if [ -f "$zustand/xvfb.pid" ]; then
    kill "$(cat "$zustand/xvfb.pid")" 2>/dev/null || true
    rm -f "$zustand/xvfb.pid" "$zustand/display"
  fi
}

ausfuehren() {
  prefix_anlegen
  [ -f "$zustand/display" ] && export DISPLAY=$(cat "$zustand/display")
  # Wine leaves its helper processes (services, the desktop) running beside the
  # persistent wineserver, and they inherit our standard output: a caller that
  # reads it through a pipe, such as CTest, would wait for them forever. So the
  # program writes into a file that is passed on when it ends.
  local rc=0
  ausgabe=$(mktemp)   # global: the EXIT trap reads it
  trap 'rm -f "$ausgabe"' EXIT
  wine "$@" >"$ausgabe" 2>&1 </dev/null || rc=$?
  cat "$ausgabe"
  exit $rc
}

case "$aktion" in
  prefix) prefix_anlegen ;;
  umgebung) printf 'export %q\n' "${umgebung[@]}" ;;
  start) starten "$@" ;;
  stop) stoppen ;;
  run) ausfuehren "$@" ;;
  *) echo "usage: wine-env.sh prefix|umgebung|start|stop|run BUILD ..." >&2; exit 2 ;;
esac
