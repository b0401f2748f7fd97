# The one version number of Varnis is the VERSION of project() in the top
# CMakeLists.txt. Code and resource scripts read it from the generated header
# varnis_version.h (link the interface target varnis_version); the release
# file names and the installer take PROJECT_VERSION. Publisher and copyright
# line are set here once for the version resources and the installer.
set(VARNIS_HERAUSGEBER "Die Varnis-Entwickler")
set(VARNIS_COPYRIGHT "© 2026 ${VARNIS_HERAUSGEBER}")

configure_file(${CMAKE_CURRENT_LIST_DIR}/varnis_version.h.in
               ${CMAKE_BINARY_DIR}/version/varnis_version.h @ONLY)
add_library(varnis_version INTERFACE)
target_include_directories(varnis_version INTERFACE ${CMAKE_BINARY_DIR}/version)

# What a program's resource script includes for its version resource and
# manifest (resources/programmdatei.rc2): a change to one of them rebuilds it.
set(VARNIS_PROGRAMMDATEI_RESSOURCEN
  ${CMAKE_SOURCE_DIR}/resources/programmdatei.rc2
  ${CMAKE_SOURCE_DIR}/resources/varnis.manifest
  ${CMAKE_BINARY_DIR}/version/varnis_version.h)
