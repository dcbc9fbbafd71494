# Product configuration: the vendor's servers and the campaign value, fixed at build time. The defaults point at
# the demo vendor server on the loopback address 127.0.0.7 (port 80); a release build passes the real values,
# e.g. -DOVANTA_DOWNLOAD_HOST=download.example.com.
set(OVANTA_DOWNLOAD_HOST "127.0.0.7" CACHE STRING "Host of the full-version download server (port 80)")
set(OVANTA_SIGNUP_HOST_DE "127.0.0.7" CACHE STRING "Host of the German sign-up page (host or host:port)")
set(OVANTA_SIGNUP_HOST_EN "127.0.0.7" CACHE STRING "Host of the English sign-up page (host or host:port)")
set(OVANTA_CAMPAIGN "ovanta-demo" CACHE STRING "Campaign value sent with the sign-up page address")

# The values end up in C++ string literals and in URLs: only plain host names, ports and URL-safe campaign
# values are accepted. The download always goes to port 80 (the download component takes no port from an
# address), so the download host has none.
set(host_pattern "[A-Za-z0-9]([A-Za-z0-9.-]*[A-Za-z0-9])?")
if(NOT OVANTA_DOWNLOAD_HOST MATCHES "^${host_pattern}$")
  message(FATAL_ERROR "OVANTA_DOWNLOAD_HOST must be a host name or address without a port "
                      "(got '${OVANTA_DOWNLOAD_HOST}')")
endif()
foreach(variable OVANTA_SIGNUP_HOST_DE OVANTA_SIGNUP_HOST_EN)
  if(NOT "${${variable}}" MATCHES "^${host_pattern}(:[0-9]+)?$")
    message(FATAL_ERROR "${variable} must be a host name or address, optionally with :port (got '${${variable}}')")
  endif()
endforeach()
if(NOT OVANTA_CAMPAIGN MATCHES "^[A-Za-z0-9._~-]+$")
  message(FATAL_ERROR "OVANTA_CAMPAIGN may hold only letters, digits and . _ ~ - (got '${OVANTA_CAMPAIGN}')")
endif()

set(OVANTA_GENERATED_INCLUDE_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/ProductConfig.h.in ${OVANTA_GENERATED_INCLUDE_DIR}/ProductConfig.h @ONLY)

add_library(ovanta_product_config INTERFACE)
target_include_directories(ovanta_product_config INTERFACE ${OVANTA_GENERATED_INCLUDE_DIR})
