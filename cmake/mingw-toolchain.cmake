# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread model, so the
# standard library's threads and mutexes exist). Programs are linked statically, so they run
# under Wine or on Windows without MinGW's DLLs beside them. scripts/test-windows uses this.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CLVT_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${CLVT_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CLVT_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${CLVT_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${CLVT_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests (and GoogleTest's test discovery) run the Windows programs through Wine.
find_program(CLVT_WINE64 NAMES wine64 wine)
if(CLVT_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CLVT_WINE64})
endif()
