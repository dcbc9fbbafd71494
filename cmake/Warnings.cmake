# Warnings are errors in every flavour. Options are limited to C and C++ so that resource scripts compiled by
# windres in the same targets never see them.
function(ovanta_warnings target)
  set(warnings -Wall -Wextra -Wpedantic -Werror -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
               -Woverloaded-virtual)
  target_compile_options(${target} PRIVATE "$<$<COMPILE_LANGUAGE:C,CXX>:${warnings}>")
endfunction()

if(OVANTA_FLAVOUR STREQUAL "host")
  # Portable code is tested natively with AddressSanitizer and UndefinedBehaviorSanitizer.
  set(OVANTA_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_compile_options("$<$<COMPILE_LANGUAGE:C,CXX>:${OVANTA_SANITIZER_FLAGS}>")
  add_link_options(-fsanitize=address,undefined)
else()
  # Access violations become C++ exceptions through a vectored handler: the faulting instruction must be able
  # to throw.
  add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-fnon-call-exceptions>)
  # One self-contained executable: the C and C++ run-times and winpthreads are linked in.
  add_link_options(-static -static-libgcc -static-libstdc++)
  if(OVANTA_FLAVOUR STREQUAL "win32")
    # Float arithmetic in SSE registers, as on x86_64: single-precision results round the same in both builds.
    add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-msse2> $<$<COMPILE_LANGUAGE:C,CXX>:-mfpmath=sse>)
  endif()
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
endif()
