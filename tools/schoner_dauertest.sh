#!/usr/bin/env bash
# Long run of the screen saver: Kovra32.scr /s under Wine on a private Xvfb
# display, its memory and GDI objects sampled while it draws. Not part of the
# test suite; run by hand after changes to the saver or the engine.
#   schoner_dauertest.sh BUILD [SECONDS [INTERVAL]]
# BUILD is a Windows build tree with programm/Kovra32.scr (default 600 s,
# a sample every 30 s). The run uses a prefix of its own under
# BUILD/dauertest, so a test run of the same tree cannot stop it.
#
# Printed per sample: seconds since start, resident memory of the Wine process
# that runs the saver (VmRSS, kB) and its live GDI objects. Wine's
# GetGuiResources is a stub that returns 0, so the GDI count is taken from
# Wine's own trace of GDI handle allocation (WINEDEBUG=+gdi), which carries
# the process's running count.
set -euo pipefail
build=$(cd "$1" && pwd)
dauer=${2:-600}
takt=${3:-30}
hier=$(dirname "$(readlink -f "$0")")
daten=$(cd "$hier/../data" && pwd)
scr="$build/programm/Kovra32.scr"
[ -f "$scr" ] || { echo "no $scr: build the target kovra32 first" >&2; exit 2; }

ort="$build/dauertest"
mkdir -p "$ort"
eval "$("$hier/wine-env.sh" umgebung "$ort")"
DISPLAY=$("$hier/wine-env.sh" start "$ort")
export DISPLAY

# Kovra.ini of the prefix names the shipped data; a file that was there
# before comes back at the end.
ini="$WINEPREFIX/drive_c/windows/Kovra.ini"
sicherung="$ini.vor-dauertest"
[ -f "$ini" ] && mv -f "$ini" "$sicherung"
printf '[Varnis]\r\nPfad=Z:%s\r\n' "${daten//\//\\}" > "$ini"

spur="$ort/gdi-spur.txt"
schoner=""
aufraeumen() {
  [ -n "$schoner" ] && kill "$schoner" 2>/dev/null || true
  rm -f "$ini"
  [ -f "$sicherung" ] && mv -f "$sicherung" "$ini"
  "$hier/wine-env.sh" stop "$ort"
}
trap aufraeumen EXIT

# Only the handle lines of the trace are kept; the rest of the channel is large.
WINEDEBUG=-all,+gdi wine "$scr" /s </dev/null >/dev/null \
  2> >(grep --line-buffered -E 'alloc_gdi_handle|free_gdi_handle' > "$spur") &

# The Wine process of the saver: its command line names Kovra32.scr and its
# environment our prefix.
prozess_finden() {
  local p
  for p in /proc/[0-9]*; do
    # A process may end while we look: 2>/dev/null comes first for that.
    tr '\0' ' ' 2>/dev/null < "$p/cmdline" | grep -qi 'kovra32\.scr' || continue
    tr '\0' '\n' 2>/dev/null < "$p/environ" | grep -qx "WINEPREFIX=$WINEPREFIX" || continue
    basename "$p"; return 0
  done
  return 1
}
for _ in $(seq 1 100); do schoner=$(prozess_finden) && break; sleep 0.2; done
[ -n "$schoner" ] || { echo "Kovra32.scr did not start" >&2; exit 1; }

# Live GDI objects from the last handle line: "allocated" shows the count
# after the allocation, "freed" the count before the release.
gdi_objekte() {
  tail -n 1 "$spur" 2>/dev/null | awk '
    /allocated/ { split($NF, z, "/"); print z[1] }
    /freed/     { split($NF, z, "/"); print z[1] - 1 }'
}

echo "pid $schoner, $dauer s, a sample every $takt s"
printf '%8s %10s %8s\n' seconds rss_kB gdi
start=$(date +%s)
while :; do
  jetzt=$(( $(date +%s) - start ))
  [ -d "/proc/$schoner" ] || { echo "Kovra32.scr ended after $jetzt s" >&2; exit 1; }
  rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$schoner/status")
  printf '%8d %10s %8s\n' "$jetzt" "$rss" "$(gdi_objekte)"
  [ "$jetzt" -ge "$dauer" ] && break
  sleep "$takt"
done
