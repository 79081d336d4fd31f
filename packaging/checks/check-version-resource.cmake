# SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
# SPDX-License-Identifier: MIT

# Reads the Windows resources of OBJECT back with the MinGW resource compiler that the toolchain
# file names, to see that the version, the Japanese string block with its description and the
# icon are in: a built program file, or, given RC, the configured resource compiled into OBJECT
# first, as a Windows build links it (the host's C preprocessor standing in for a Windows
# compiler's).
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/mingw-w64.cmake)
if(RC)
    execute_process(COMMAND ${CMAKE_RC_COMPILER} --preprocessor=cpp ${RC} -O coff -o ${OBJECT}
        COMMAND_ERROR_IS_FATAL ANY)
endif()
execute_process(COMMAND ${CMAKE_RC_COMPILER} -J coff -i ${OBJECT} -O rc
    OUTPUT_VARIABLE text COMMAND_ERROR_IS_FATAL ANY)

string(REPLACE "." ", " numbers ${VERSION})
foreach(expected
        "FILEVERSION ${numbers}\n"
        "PRODUCTVERSION ${numbers}\n"
        "BLOCK \"041104B0\""
        "VALUE \"FileVersion\", \"${VERSION_TEXT}\""
        "VALUE \"ProductVersion\", \"${VERSION_TEXT}\""
        "VALUE \"ProductName\", \"${PRODUCT}\""
        "VALUE \"Translation\", 0x411, 1200"
        "RT_GROUP_ICON")
    string(FIND "${text}" "${expected}" at)
    if(at EQUAL -1)
        message(SEND_ERROR "The compiled resource lacks: ${expected}")
    endif()
endforeach()

# The description is stored in UTF-16, as the block says: its bytes must be the Japanese text
# of the product facts, which a resource compiler reading the file in another code page spoils.
execute_process(COMMAND ${CMAKE_RC_COMPILER} -J coff -i ${OBJECT} -O res -o ${OBJECT}.res
    COMMAND_ERROR_IS_FATAL ANY)
file(WRITE ${OBJECT}.description "${DESCRIPTION}")
execute_process(COMMAND iconv -f UTF-8 -t UTF-16LE ${OBJECT}.description
    OUTPUT_FILE ${OBJECT}.description16 COMMAND_ERROR_IS_FATAL ANY)
file(READ ${OBJECT}.res resources HEX)
file(READ ${OBJECT}.description16 description HEX)
string(FIND "${resources}" "${description}" at)
if(at EQUAL -1)
    message(SEND_ERROR "The compiled resource lacks the description \"${DESCRIPTION}\" in UTF-16")
endif()
