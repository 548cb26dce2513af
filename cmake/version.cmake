# The product's one version: project(VERSION) of the top-level CMakeLists.txt, or ZW_VERSION to build
# another one. Writes generated/zw_version.h (the version resources and `zwsettings --version` read it) and
# product-version.txt (scripts/package.sh reads it) into the build tree.
set(ZW_VERSION "" CACHE STRING "Product version X.Y.Z to build instead of the project's")
if(ZW_VERSION)
    set(ZW_PRODUCT_VERSION ${ZW_VERSION})
else()
    set(ZW_PRODUCT_VERSION ${PROJECT_VERSION})
endif()
if(NOT ZW_PRODUCT_VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
    message(FATAL_ERROR "The product version must be X.Y.Z, not ${ZW_PRODUCT_VERSION}")
endif()
set(ZW_VERSION_MAJOR ${CMAKE_MATCH_1})
set(ZW_VERSION_MINOR ${CMAKE_MATCH_2})
set(ZW_VERSION_PATCH ${CMAKE_MATCH_3})
# Windows Installer compares the first three fields, each at most 255.255.65535.
if(ZW_VERSION_MAJOR GREATER 255 OR ZW_VERSION_MINOR GREATER 255 OR ZW_VERSION_PATCH GREATER 65535)
    message(FATAL_ERROR "Version ${ZW_PRODUCT_VERSION} is beyond 255.255.65535")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${CMAKE_BINARY_DIR}/generated/zw_version.h @ONLY)
file(WRITE ${CMAKE_BINARY_DIR}/product-version.txt "${ZW_PRODUCT_VERSION}\n")
