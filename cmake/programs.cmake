# The two programs: the settings tool (zwsettings, ZWSettings.exe) and, on Windows, the dialog
# (ZWInterfaceSetup.exe). Their version is all that is compiled here beyond their mains: the version
# resources and the tool's version text. The top-level project links them with its own libraries;
# package/versioned links them for another version with the libraries of an existing build tree.
set(ZW_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR}/..)

add_executable(zwsettings ${ZW_SOURCE_ROOT}/src/tools/zwsettings_main.cpp
                          ${ZW_SOURCE_ROOT}/src/tools/zwsettings_version.cpp)
target_include_directories(zwsettings PRIVATE ${CMAKE_BINARY_DIR}/generated)
target_link_libraries(zwsettings PRIVATE zwtool)
if(WIN32)
    target_sources(zwsettings PRIVATE ${ZW_SOURCE_ROOT}/src/tools/zwsettings.rc)
    set_target_properties(zwsettings PROPERTIES OUTPUT_NAME ZWSettings)

    add_executable(ZWInterfaceSetup WIN32 ${ZW_SOURCE_ROOT}/src/win32/app/main.cpp
                                          ${ZW_SOURCE_ROOT}/src/win32/app/resource.rc)
    target_include_directories(ZWInterfaceSetup PRIVATE ${CMAKE_BINARY_DIR}/generated)
    target_link_libraries(ZWInterfaceSetup PRIVATE zwwin32view zwenvironment)
    target_link_options(ZWInterfaceSetup PRIVATE -municode)
endif()
