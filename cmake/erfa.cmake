# ERFA, the BSD-licensed C library of the IAU's SOFA algorithms (time scales,
# leap seconds, sidereal time, precession-nutation, Sun, Moon and planets),
# built as the static library "erfa" from Debian's source package, which
# tools/setup.sh fetches, checks and unpacks into BUILD_DIR/fremd/ (beside the
# build folders). Its sources are never part of this tree. ERFA keeps its own
# warnings (it is not ours to fix); its header is included as a system header,
# so our code that includes it stays warning-free under -Werror.
set(VARNIS_ERFA_QUELLE ${CMAKE_BINARY_DIR}/../fremd/erfa-2.0.0 CACHE PATH
    "The unpacked source of ERFA 2.0.0 (tools/setup.sh fetches it)")
get_filename_component(VARNIS_ERFA_QUELLE "${VARNIS_ERFA_QUELLE}" ABSOLUTE)
if(NOT EXISTS ${VARNIS_ERFA_QUELLE}/src/erfa.h OR NOT EXISTS ${VARNIS_ERFA_QUELLE}/LICENSE)
  message(FATAL_ERROR "ERFA's source is not in ${VARNIS_ERFA_QUELLE}: run tools/setup.sh "
                      "(with BUILD_DIR the folder that holds this build folder) or set VARNIS_ERFA_QUELLE")
endif()

# The library's functions; without its own tests (t_erfa_c*.c) and the
# version functions, which need the configure script's config.h.
file(GLOB varnis_erfa_quellen ${VARNIS_ERFA_QUELLE}/src/*.c)
list(FILTER varnis_erfa_quellen EXCLUDE REGEX "/(t_erfa_c[a-z_]*|erfaversion)\\.c$")
add_library(erfa STATIC ${varnis_erfa_quellen})
target_include_directories(erfa SYSTEM PUBLIC ${VARNIS_ERFA_QUELLE}/src)
set_target_properties(erfa PROPERTIES C_STANDARD 99 C_EXTENSIONS OFF)
# ERFA's licence, shipped with the programs that contain it.
set(VARNIS_ERFA_LIZENZ ${VARNIS_ERFA_QUELLE}/LICENSE)
