# Cross-building for 64-bit Windows with Debian's MinGW-w64 (posix threads).
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/windows-mingw.cmake \
#         -DCMAKE_PREFIX_PATH=<Qt for Windows> -DQT_HOST_PATH=/usr ...
# tools/windows/build.sh passes all of it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TERRAVIA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TERRAVIA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TERRAVIA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TERRAVIA_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TERRAVIA_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Qt's own packages live outside the MinGW root.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
# Test programs run under Wine when ctest runs them.
find_program(TERRAVIA_WINE NAMES wine64 wine)
if(TERRAVIA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TERRAVIA_WINE})
endif()
