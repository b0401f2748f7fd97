# The 32-bit Windows build (see toolchain-mingw.cmake).
set(VARNIS_MINGW i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
