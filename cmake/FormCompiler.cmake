# Stored component descriptions are written in the readable text form and compiled into binary streams at build
# time by formc (tools/formc), which runs on the build machine: a target of its own in the host flavour, built by
# a native external project when the tree cross-compiles (tools/CMakeLists.txt).
#
#   ovanta_compile_form(<out_var> <input.txt>)
#       Adds a custom command that produces ${CMAKE_CURRENT_BINARY_DIR}/<name>.bin from <input.txt> and sets
#       <out_var> to that path. List the .bin among the sources of the target that embeds it, and make the .rc
#       file depend on it: set_source_files_properties(app.rc PROPERTIES OBJECT_DEPENDS ${<out_var>}).
if(OVANTA_FLAVOUR STREQUAL "host")
  set(OVANTA_FORMC_COMMAND $<TARGET_FILE:formc>)
  set(OVANTA_FORMC_DEPENDS formc)
else()
  set(OVANTA_NATIVE_TOOLS_DIR ${CMAKE_BINARY_DIR}/tools-native)
  set(OVANTA_FORMC_EXECUTABLE ${OVANTA_NATIVE_TOOLS_DIR}/formc/formc)
  set(OVANTA_FORMC_COMMAND ${OVANTA_FORMC_EXECUTABLE})
  set(OVANTA_FORMC_DEPENDS ovanta_native_tools ${OVANTA_FORMC_EXECUTABLE})
endif()

function(ovanta_compile_form out_var input)
  get_filename_component(source ${input} ABSOLUTE)
  get_filename_component(name ${input} NAME_WE)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${name}.bin)
  add_custom_command(OUTPUT ${output}
    COMMAND ${OVANTA_FORMC_COMMAND} ${source} ${output}
    DEPENDS ${source} ${OVANTA_FORMC_DEPENDS}
    COMMENT "Compiling form ${input}"
    VERBATIM)
  set(${out_var} ${output} PARENT_SCOPE)
endfunction()
