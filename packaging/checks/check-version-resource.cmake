# Reads the Windows resources of OBJECT back with the MinGW resource compiler to see that the
# version, the Japanese string block and the icon are in: a built program file, or, given RC,
# the configured resource compiled into OBJECT first, as a Windows build links it (the host's
# C preprocessor standing in for a Windows compiler's).
if(RC)
    execute_process(COMMAND ${WINDRES} --preprocessor=cpp ${RC} -O coff -o ${OBJECT}
        COMMAND_ERROR_IS_FATAL ANY)
endif()
execute_process(COMMAND ${WINDRES} -J coff -i ${OBJECT} -O rc
    OUTPUT_VARIABLE text COMMAND_ERROR_IS_FATAL ANY)

string(REPLACE "." ", " numbers ${VERSION})
foreach(expected
        "FILEVERSION ${numbers}\n"
        "PRODUCTVERSION ${numbers}\n"
        "BLOCK \"041103A4\""
        "VALUE \"FileVersion\", \"${VERSION_TEXT}\""
        "VALUE \"ProductVersion\", \"${VERSION_TEXT}\""
        "VALUE \"ProductName\", \"${PRODUCT}\""
        "VALUE \"Translation\", 0x411, 932"
        "RT_GROUP_ICON")
    string(FIND "${text}" "${expected}" at)
    if(at EQUAL -1)
        message(SEND_ERROR "The compiled resource lacks: ${expected}")
    endif()
endforeach()
