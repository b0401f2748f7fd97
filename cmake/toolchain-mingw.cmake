# Cross build for Windows with Debian's MinGW-w64 (posix thread model,
# which GoogleTest's std::mutex needs). The runtime is linked statically so
# the programs need no MinGW DLLs beside them. Included by the toolchain file
# of each target, which sets VARNIS_MINGW to its triplet (x86_64-w64-mingw32,
# i686-w64-mingw32); the processor is the triplet's first part.
set(CMAKE_SYSTEM_NAME Windows)
string(REGEX MATCH "^[^-]+" CMAKE_SYSTEM_PROCESSOR ${VARNIS_MINGW})
set(CMAKE_C_COMPILER   ${VARNIS_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VARNIS_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER  ${VARNIS_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VARNIS_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
