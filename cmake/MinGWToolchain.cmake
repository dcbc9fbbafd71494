# Shared part of the MinGW-w64 toolchain files: the caller sets OVANTA_MINGW_TRIPLE and CMAKE_SYSTEM_PROCESSOR.
# The posix thread model gives std::thread and std::mutex on top of winpthreads (linked statically).
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${OVANTA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${OVANTA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${OVANTA_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${OVANTA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
