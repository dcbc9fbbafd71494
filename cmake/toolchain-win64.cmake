# x86_64 Windows: the flavour whose programs and tests run under wine64.
set(OVANTA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/MinGWToolchain.cmake)
