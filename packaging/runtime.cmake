# SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
# SPDX-License-Identifier: MIT

# Run at build time (packaging.cmake): gathers into the folder OUTPUT what the packages hold
# beside the program PROGRAM: the DLLs that it and the plugins PLUGINS link, found in the
# folders DIRECTORIES, and the plugins, each in the folder named as its folder in Qt's (Qt
# looks for them so); each stripped once with STRIP, so that every package holds the same file.
# Windows' own DLLs, those Wine has in WINDOWS, stay out; a DLL found nowhere stops the build.
# Lists what it gathered, one a line, in OUTPUT.txt.
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND ${OBJDUMP})

# CMake before 3.27 looks a DLL up by its name in lower case, as Windows ignores case, and so
# misses Qt6Core.dll on Linux: it looks first in a folder of links named in lower case, the
# first folder of DIRECTORIES winning as on WINEPATH.
set(links ${OUTPUT}.links)
file(REMOVE_RECURSE ${OUTPUT} ${links})
file(MAKE_DIRECTORY ${links})
foreach(directory IN LISTS DIRECTORIES)
    file(GLOB dlls ${directory}/*.dll)
    foreach(dll IN LISTS dlls)
        get_filename_component(name ${dll} NAME)
        string(TOLOWER ${name} name)
        if(NOT EXISTS ${links}/${name})
            file(CREATE_LINK ${dll} ${links}/${name} SYMBOLIC)
        endif()
    endforeach()
endforeach()

# API sets (api-ms-*, ext-ms-*) are names that Windows maps to its own DLLs, never files.
file(GET_RUNTIME_DEPENDENCIES EXECUTABLES ${PROGRAM} MODULES ${PLUGINS}
    DIRECTORIES ${links} ${DIRECTORIES} ${WINDOWS}
    PRE_EXCLUDE_REGEXES "^api-ms-" "^ext-ms-"
    POST_EXCLUDE_REGEXES "^${WINDOWS}/"
    RESOLVED_DEPENDENCIES_VAR linked UNRESOLVED_DEPENDENCIES_VAR unresolved)
if(unresolved)
    message(FATAL_ERROR "DLLs found neither in ${DIRECTORIES} nor among Windows' own: ${unresolved}")
endif()

# Strips the file source into OUTPUT/name, and lists it.
set(gathered "")
macro(gather source name)
    get_filename_component(folder ${OUTPUT}/${name} DIRECTORY)
    file(MAKE_DIRECTORY ${folder})
    execute_process(COMMAND ${STRIP} --strip-unneeded -o ${OUTPUT}/${name} ${source}
        COMMAND_ERROR_IS_FATAL ANY)
    string(APPEND gathered "${name}\n")
endmacro()
foreach(dll IN LISTS linked)
    file(REAL_PATH ${dll} dll)
    get_filename_component(name ${dll} NAME)
    gather(${dll} ${name})
endforeach()
foreach(plugin IN LISTS PLUGINS)
    get_filename_component(folder ${plugin} DIRECTORY)
    get_filename_component(folder ${folder} NAME)
    get_filename_component(name ${plugin} NAME)
    gather(${plugin} ${folder}/${name})
endforeach()
file(REMOVE_RECURSE ${links})
file(WRITE ${OUTPUT}.txt ${gathered})
