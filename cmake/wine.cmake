# SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
# SPDX-License-Identifier: MIT

# Cross-built for Windows, the build's programs (the tests, the benchmarks) run here under Wine,
# each through wine-run, written here: Wine in the build's own prefix, with the folders of the
# DLLs the programs link on WINEPATH, the compiler runtime's and, with windows, Qt's. The
# packages take their DLLs from the same folders (packaging/packaging.cmake).
set(QUANTELL_RUNTIME_DIRS ${CMAKE_CXX_IMPLICIT_LINK_DIRECTORIES})
if(QUANTELL_GUI)
    list(PREPEND QUANTELL_RUNTIME_DIRS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
endif()
# Wine shows the Linux tree as drive Z:.
list(TRANSFORM QUANTELL_RUNTIME_DIRS PREPEND Z: OUTPUT_VARIABLE winepath)
string(REPLACE / \\ winepath "${winepath}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${PROJECT_BINARY_DIR}/wine-run @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
    WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/wine-run)
