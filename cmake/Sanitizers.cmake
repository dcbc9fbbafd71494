# Portable code is tested natively with AddressSanitizer and UndefinedBehaviorSanitizer (host flavour only).
if(OVANTA_FLAVOUR STREQUAL "host")
  set(OVANTA_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_compile_options("$<$<COMPILE_LANGUAGE:C,CXX>:${OVANTA_SANITIZER_FLAGS}>")
  add_link_options(-fsanitize=address,undefined)
endif()
