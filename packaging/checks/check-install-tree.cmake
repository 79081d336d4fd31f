# SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
# SPDX-License-Identifier: MIT

# Installs the build into a scratch prefix and checks that a Linux desktop finds Quantell
# there: the program the desktop entry starts, the icon it names in every theme size, and
# metainfo that is valid and points to the entry (appstreamcli, without network); and that it
# bundles nothing, as the Debian package holds the same tree.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND appstreamcli validate-tree --no-net ${PREFIX} COMMAND_ERROR_IS_FATAL ANY)

file(STRINGS ${PREFIX}/share/applications/${APP_ID}.desktop exec REGEX "^Exec=")
file(STRINGS ${PREFIX}/share/applications/${APP_ID}.desktop icon REGEX "^Icon=")
string(REPLACE "Exec=" "${PREFIX}/bin/" program ${exec})
string(REPLACE "Icon=" "" icon ${icon})
set(themed ${PREFIX}/share/icons/hicolor)
foreach(file ${program} ${themed}/scalable/apps/${icon}.svg)
    if(NOT EXISTS ${file})
        message(SEND_ERROR "Not installed: ${file}")
    endif()
endforeach()
foreach(size 16 32 48 64 128 256)
    if(NOT EXISTS ${themed}/${size}x${size}/apps/${icon}.png)
        message(SEND_ERROR "No ${size}x${size} icon ${icon} in ${themed}")
    endif()
endforeach()

# The tree is what the Debian package holds: no library of its own, nor a Qt plugin, and the
# program links Qt from Debian's packages. So the package's copyright file names our code alone.
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${PREFIX} ${PREFIX}/*)
foreach(file ${installed})
    if(file MATCHES "^lib/|/plugins/|\\.(so|dll|a)(\\.[0-9.]+)?$")
        message(SEND_ERROR "Bundled in the package: ${file}")
    endif()
endforeach()
file(GET_RUNTIME_DEPENDENCIES EXECUTABLES ${program} RESOLVED_DEPENDENCIES_VAR libraries
    UNRESOLVED_DEPENDENCIES_VAR unresolved)
list(FILTER libraries INCLUDE REGEX "/libQt6[^/]*$")
if(NOT libraries OR unresolved)
    message(SEND_ERROR "${program} links no Qt, or libraries not found: ${unresolved}")
endif()
foreach(library ${libraries})
    file(REAL_PATH ${library} library)
    execute_process(COMMAND dpkg -S ${library} RESULT_VARIABLE unowned OUTPUT_QUIET ERROR_QUIET)
    if(unowned)
        message(SEND_ERROR "${program} links ${library}, which no Debian package installed")
    endif()
endforeach()
