# Windows resources every program of the project carries: the application manifest (common controls 6 for
# visual styles, asInvoker, not DPI-aware: the dialog is never rescaled) and a version resource built from the
# project version.
set(OVANTA_RESOURCE_DIR ${CMAKE_SOURCE_DIR}/app/res)

function(ovanta_windows_resources target)
  if(NOT WIN32)
    message(FATAL_ERROR "ovanta_windows_resources(${target}): Windows flavours only")
  endif()
  get_target_property(output_name ${target} OUTPUT_NAME)
  if(NOT output_name)
    set(output_name ${target})
  endif()
  set(OVANTA_RES_INTERNAL_NAME ${output_name})
  set(OVANTA_RES_FILE_NAME ${output_name}.exe)
  set(OVANTA_RES_VERSION_TWEAK 0)
  if(PROJECT_VERSION_TWEAK)
    set(OVANTA_RES_VERSION_TWEAK ${PROJECT_VERSION_TWEAK})
  endif()
  set(OVANTA_RES_VERSION
      ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.${OVANTA_RES_VERSION_TWEAK})

  set(resource_dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources)
  configure_file(${OVANTA_RESOURCE_DIR}/Version.rc.in ${resource_dir}/Version.rc @ONLY)
  # RT_MANIFEST (24) with id 1 (CREATEPROCESS_MANIFEST_RESOURCE_ID): the loader activates it for the process.
  file(CONFIGURE OUTPUT ${resource_dir}/Manifest.rc
       CONTENT "1 24 \"${OVANTA_RESOURCE_DIR}/Ovanta.manifest\"\n")
  set_source_files_properties(${resource_dir}/Manifest.rc PROPERTIES
                              OBJECT_DEPENDS ${OVANTA_RESOURCE_DIR}/Ovanta.manifest)
  target_sources(${target} PRIVATE ${resource_dir}/Version.rc ${resource_dir}/Manifest.rc)
endfunction()
