# Warnings are errors in every flavour. Options are limited to C and C++ so that resource scripts compiled by
# windres in the same targets never see them.
function(ovanta_warnings target)
  set(warnings -Wall -Wextra -Wpedantic -Werror -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
               -Woverloaded-virtual)
  target_compile_options(${target} PRIVATE "$<$<COMPILE_LANGUAGE:C,CXX>:${warnings}>")
endfunction()
