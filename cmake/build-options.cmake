# Language level, definitions and link options of every target: the top-level project's and those of the
# programs relinked for another version (package/versioned).
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

if(WIN32)
    # Static programs need no DLL beside them; UNICODE selects the wide Win32 functions.
    add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00 WINVER=0x0A00)
    add_link_options(-static -static-libgcc -static-libstdc++)
    # Wine reads every section of a program into memory when it starts it, the debugging information of the
    # static runtime included: a release program leaves it out (a fifth of the start before any of its code).
    add_link_options($<$<CONFIG:Release>:-s>)
    # Sections that start on a page boundary in the file as in memory: Wine then maps a program's sections
    # straight from the file, where with the linker's usual 512-byte alignment it must copy each of them into
    # memory at every start (the program's 2.9 MB: tens of milliseconds before its first instruction). Windows
    # maps images either way; the files grow by a few kilobytes.
    add_link_options(-Wl,--file-alignment,0x1000)
endif()
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-Wall> $<$<COMPILE_LANGUAGE:CXX>:-Wextra>)
endif()
