#!/bin/sh
# Static checks of the two program files of an unpacked release folder, for
# the build that cannot be run here: the file format, imports from Windows
# system libraries only (nothing the user would have to install), the
# exports the programs rely on, no static import of a function Windows 7
# lacks (the per-DPI functions are loaded at run time), and the saver's resources the system reads:
# its icon group and string 1007, the name the display settings list.
#   programme_pruefen.sh OBJDUMP FORMAT FOLDER    (FORMAT: pei-i386 or pei-x86-64)
set -eu
objdump=$1
format=$2
ordner=$3
hier=$(dirname "$0")
fehler=0
for programm in Varnis32.exe Kovra32.scr; do
  datei="$ordner/$programm"
  if ! "$objdump" -f "$datei" | grep -q "file format $format\$"; then
    echo "$programm: not $format: $("$objdump" -f "$datei" | grep 'file format')"
    fehler=1
  fi
  for dll in $("$objdump" -p "$datei" | sed -n 's/^[[:space:]]*DLL Name: //p'); do
    case $(echo "$dll" | tr 'A-Z' 'a-z') in
      kernel32.dll|user32.dll|gdi32.dll|advapi32.dll|shell32.dll|comdlg32.dll|msvcrt.dll) ;;
      *) echo "$programm: imports $dll, which is not a Windows system library"; fehler=1 ;;
    esac
  done
  # A static import of one of these stops the program from starting on
  # Windows 7 (window/dpi.cpp loads them at run time).
  for funktion in $("$objdump" -p "$datei" | awk '/^[[:space:]]+[0-9a-f]+[[:space:]]+[0-9]+[[:space:]]+[A-Za-z_]/ {print $NF}' |
                    grep -E '^(GetDpiFor|GetSystemMetricsForDpi|AdjustWindowRectExForDpi|SystemParametersInfoForDpi|SetProcessDpiAwareness|SetThreadDpiAwarenessContext)' || true); do
    echo "$programm: imports $funktion, which Windows 7 lacks"
    fehler=1
  done
done
# The window procedure of the saver by its plain name (no "@16" in 32 bits).
if ! "$objdump" -p "$ordner/Kovra32.scr" | grep -qE '\] ScrFensterProz$'; then
  echo "Kovra32.scr: ScrFensterProz not exported by its plain name"
  fehler=1
fi
ressourcen=$(wrestool -l "$ordner/Kovra32.scr")
if ! printf '%s\n' "$ressourcen" | grep -q -- "--type=14 --name='ID_APP'"; then
  echo "Kovra32.scr: no icon group ID_APP"
  fehler=1
fi
# Strings 992..1007 form block 63: sixteen counted UTF-16 strings.
name=$(wrestool -x --raw --type=6 --name=63 "$ordner/Kovra32.scr" | python3 -c '
import struct, sys
daten, stelle = sys.stdin.buffer.read(), 0
for nummer in range(992, 1008):
    if stelle + 2 > len(daten):
        break
    (laenge,) = struct.unpack_from("<H", daten, stelle)
    if nummer == 1007:
        print(daten[stelle + 2:stelle + 2 + 2 * laenge].decode("utf-16-le"))
    stelle += 2 + 2 * laenge
')
if [ "$name" != "Screen Saver.Varnis" ]; then
  echo "Kovra32.scr: string 1007 is '$name', not 'Screen Saver.Varnis'"
  fehler=1
fi
sh "$hier/../window/exporte_pruefen.sh" "$objdump" "$ordner/Varnis32.exe" || fehler=1
[ "$fehler" -eq 0 ] && echo "$format programs: format, imports, exports and resources as expected"
exit "$fehler"
