#!/usr/bin/env bash
# Runs a Windows program of a build tree under Wine, in that tree's prefix and
# on its Xvfb display when one is up (CTest's emulator for the cross build).
#   wine-run.sh BUILD PROGRAM.exe [ARGS...]
set -euo pipefail
build=$(cd "$1" && pwd); shift
hier=$(dirname "$(readlink -f "$0")")
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$hier/wine-env.sh" prefix "$build"
[ -f "$build/wine-env/display" ] && export DISPLAY=$(cat "$build/wine-env/display")
# Wine leaves its helper processes (services, the desktop) running beside the
# persistent wineserver, and they inherit our standard output: a caller that
# reads it through a pipe, such as CTest, would wait for them forever. So the
# program writes into a file that is passed on when it ends.
ausgabe=$(mktemp)
trap 'rm -f "$ausgabe"' EXIT
rc=0
wine "$@" >"$ausgabe" 2>&1 </dev/null || rc=$?
cat "$ausgabe"
exit $rc
