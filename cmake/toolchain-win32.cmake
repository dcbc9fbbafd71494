# i686 Windows: the shipping build. Its programs are built but not run here (no 32-bit code runs on this host).
set(OVANTA_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/MinGWToolchain.cmake)
