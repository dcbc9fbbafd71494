# Code generation, linking and API level of the Windows flavours.
if(NOT WIN32)
  return()
endif()

# Access violations become C++ exceptions through a vectored handler: the faulting instruction must be able to
# throw.
add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-fnon-call-exceptions>)
# One self-contained executable: the C and C++ run-times and winpthreads are linked in.
add_link_options(-static -static-libgcc -static-libstdc++)
if(OVANTA_FLAVOUR STREQUAL "win32")
  # Float arithmetic in SSE registers, as on x86_64: single-precision results round the same in both builds.
  add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-msse2> $<$<COMPILE_LANGUAGE:C,CXX>:-mfpmath=sse>)
endif()
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
