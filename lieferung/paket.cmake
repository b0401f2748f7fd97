# Packs one release archive (cmake -P, started by lieferung/CMakeLists.txt in
# its binary folder): fills a fresh folder Varnis/ with the shipped files,
# the programs stripped and the texts in Windows-1252 with CR LF, checks that
# it holds exactly the list of shipped files, and only then writes the zip,
# first under a temporary name. A missing input stops it with its name, and
# no archive of an earlier run is left behind.
cmake_policy(VERSION 3.20)
include(${EINSTELLUNGEN})

function(abbruch text)
  message(FATAL_ERROR "paket: ${text}")
endfunction()

function(quelle_pruefen pfad)
  if(NOT EXISTS "${pfad}")
    abbruch("missing input ${pfad}")
  endif()
endfunction()

# A text file with its line ends made CR LF (a CR LF already there stays one).
function(crlf_kopieren quelle ziel)
  quelle_pruefen("${quelle}")
  file(READ "${quelle}" inhalt)
  string(REPLACE "\r\n" "\n" inhalt "${inhalt}")
  string(REPLACE "\n" "\r\n" inhalt "${inhalt}")
  file(WRITE "${ziel}" "${inhalt}")
endfunction()

file(REMOVE "${ZIP}" "${ZIP}.neu")
file(REMOVE_RECURSE "${ORDNER}")
file(MAKE_DIRECTORY "${ORDNER}")

foreach(programm IN LISTS PROGRAMME)
  quelle_pruefen("${PROGRAMM_ORDNER}/${programm}")
  execute_process(COMMAND "${STRIP}" --strip-all -o "${ORDNER}/${programm}" "${PROGRAMM_ORDNER}/${programm}"
                  RESULT_VARIABLE ergebnis)
  if(NOT ergebnis EQUAL 0)
    abbruch("'${STRIP}' failed on ${programm} (${ergebnis})")
  endif()
endforeach()

foreach(datei IN LISTS DATEN)
  quelle_pruefen("${DATEN_ORDNER}/${datei}")
  file(COPY_FILE "${DATEN_ORDNER}/${datei}" "${ORDNER}/${datei}")
endforeach()

# The texts, written in UTF-8, converted to Windows-1252 with CR LF; a
# character that Windows-1252 lacks stops here.
foreach(datei IN LISTS LIEFERUNG)
  if(datei IN_LIST PROGRAMME OR datei IN_LIST DATEN)
    continue()
  endif()
  if(NOT DEFINED TEXT_${datei})
    abbruch("no source for the shipped file ${datei}")
  endif()
  crlf_kopieren("${TEXT_${datei}}" "${ORDNER}/${datei}.crlf")
  execute_process(COMMAND iconv -f UTF-8 -t WINDOWS-1252
                  INPUT_FILE "${ORDNER}/${datei}.crlf" OUTPUT_FILE "${ORDNER}/${datei}"
                  ERROR_VARIABLE fehler RESULT_VARIABLE ergebnis)
  file(REMOVE "${ORDNER}/${datei}.crlf")
  if(NOT ergebnis EQUAL 0)
    abbruch("${TEXT_${datei}} cannot be written in Windows-1252 (iconv: ${ergebnis} ${fehler})")
  endif()
endforeach()

file(GLOB inhalt RELATIVE "${ORDNER}" "${ORDNER}/*")
list(SORT inhalt)
set(erwartet ${LIEFERUNG})
list(SORT erwartet)
if(NOT inhalt STREQUAL erwartet)
  abbruch("the folder holds '${inhalt}', the list of shipped files is '${erwartet}'")
endif()

get_filename_component(name "${ORDNER}" NAME)
get_filename_component(ziel "${ZIP}" DIRECTORY)
file(MAKE_DIRECTORY "${ziel}")
file(ARCHIVE_CREATE OUTPUT "${ZIP}.neu" PATHS "${name}" FORMAT zip)
file(RENAME "${ZIP}.neu" "${ZIP}")
