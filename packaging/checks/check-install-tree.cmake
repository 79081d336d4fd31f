# Installs the build into a scratch prefix and checks that a Linux desktop finds Quantell
# there: the program the desktop entry starts, the icon it names in every theme size, and
# metainfo that is valid and points to the entry (appstreamcli, without network).
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
