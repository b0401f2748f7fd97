# The files that ship with Varnis, in one place. The folder of the programs
# holds them all: programm/ in the build tree (the data files are copied
# beside Varnis32.exe), the folder Varnis/ of both release archives and the
# installation folder of the setup program, whose uninstaller removes them.
# A file added here reaches all of these and the release tests.

# The two programs (targets Varnis32 and kovra32).
set(VARNIS_PROGRAMME Varnis32.exe Kovra32.scr)
# Read by the programs from their folder; copied from data/. The help in both
# forms: HTML Help for every Windows, WinHelp for those that still show it.
set(VARNIS_DATEN VARNIS.DAT STBILDER.DAT Orte.dat Zonen.dat Varnis.chm Varnis.hlp)
# For the reader, made by lieferung/: the German read-me (Windows-1252,
# CR LF), the GPL that the data files are distributed under, and the
# licences of the MinGW-w64 runtime and of ERFA linked into the programs.
set(VARNIS_TEXTE LIESMICH.txt LIZENZ-GPL-2.txt LIZENZ-MINGW-W64.txt LIZENZ-ERFA.txt)

set(VARNIS_LIEFERUNG ${VARNIS_PROGRAMME} ${VARNIS_DATEN} ${VARNIS_TEXTE})

# The release files: the zip of the x86_64 programs, the zip of the i686
# programs and the per-user setup program of the x86_64 programs. Both builds
# write into the same folder, release/ beside win64/ and win32/.
get_filename_component(varnis_release ${CMAKE_BINARY_DIR}/../release ABSOLUTE)
set(VARNIS_ZIP_64 ${varnis_release}/Varnis-${PROJECT_VERSION}.zip)
set(VARNIS_ZIP_32 ${varnis_release}/Varnis-${PROJECT_VERSION}-32bit.zip)
set(VARNIS_SETUP ${varnis_release}/Varnis-${PROJECT_VERSION}-Setup.exe)
