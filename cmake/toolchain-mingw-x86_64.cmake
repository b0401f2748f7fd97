# The 64-bit Windows build (see toolchain-mingw.cmake).
set(VARNIS_MINGW x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
