# Cross-build for 64-bit Windows with mingw-w64 (the posix-threads variant),
# linked statically so that the programs need no DLLs of the compiler, and
# run under Wine where CMake or CTest runs a built program.
#
#   cmake -S . -B build-windows -G Ninja -DQUARVO_CORE_ONLY=ON \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUARVO_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUARVO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUARVO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUARVO_MINGW_TRIPLE}-windres)

# Headers and libraries of the target only; packages (GoogleTest built with
# this same toolchain) may also come from a prefix given on the command line.
set(CMAKE_FIND_ROOT_PATH /usr/${QUARVO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

find_program(QUARVO_WINE NAMES wine wine64)
if(QUARVO_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${QUARVO_WINE})
endif()
