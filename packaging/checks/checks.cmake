# SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
# SPDX-License-Identifier: MIT

# Checks of the program file, the packages and the Linux desktop files, each where it applies.
# Included from packaging.cmake.

set(version_check ${CMAKE_COMMAND} -DPRODUCT=${PROJECT_NAME}
    -DVERSION=${PROJECT_VERSION} -DVERSION_TEXT=${QUANTELL_VERSION_TEXT}
    -DDESCRIPTION=${QUANTELL_DESCRIPTION_JA})
if(WIN32)
    # Cross-built here: the version resource as the built program file carries it, and the
    # portable zip, once packed, starts on its own and lacks no DLL that the build's program
    # loads.
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME version_resource COMMAND ${version_check} -DOBJECT=$<TARGET_FILE:quantell>
            -P ${CMAKE_CURRENT_LIST_DIR}/check-version-resource.cmake)
        set(zip ${PROJECT_BINARY_DIR}/${QUANTELL_PACKAGE}.zip)
        add_test(NAME portable_zip
            COMMAND ${CMAKE_CURRENT_LIST_DIR}/check-zip.sh ${zip} ${PROJECT_BINARY_DIR}/wineprefix
            ${QUANTELL_NOTICES} ${QUANTELL_QT_CATALOGUE} ${CMAKE_CROSSCOMPILING_EMULATOR}
            $<TARGET_FILE:quantell>)
        set_tests_properties(portable_zip PROPERTIES REQUIRED_FILES ${zip})
        # The installer and the setup program, in a new Wine prefix, to the uninstallation
        # and a later version.
        set(msi ${PROJECT_BINARY_DIR}/${QUANTELL_PACKAGE}.msi)
        set(setup ${PROJECT_BINARY_DIR}/${QUANTELL_SETUP}.exe)
        set(archive ${PROJECT_BINARY_DIR}/${QUANTELL_SOURCE_ARCHIVE})
        add_test(NAME installer COMMAND ${CMAKE_CURRENT_LIST_DIR}/check-installer.sh
            ${msi} ${setup} ${zip} ${CPACK_WIXL_SOURCE} ${QUANTELL_NEXT_RELEASE}.0 ${archive})
        set_tests_properties(installer PROPERTIES REQUIRED_FILES "${msi};${setup};${zip};${archive}")
        # The notices against the package, Qt's build graph and source, and the source archive.
        add_test(NAME notices COMMAND python3 ${CMAKE_CURRENT_LIST_DIR}/check-notices.py ${zip}
            ${QUANTELL_NOTICES} ${archive} ${QT6_INSTALL_PREFIX} ${QUANTELL_QT_SOURCE}
            ${QUANTELL_ATTRIBUTIONS_SCANNER})
        set_tests_properties(notices PROPERTIES REQUIRED_FILES "${zip};${archive}"
            SKIP_RETURN_CODE 77)
    endif()
    return()
endif()

add_test(NAME version_resource COMMAND ${version_check} -DRC=${QUANTELL_RC}
    -DOBJECT=${PROJECT_BINARY_DIR}/packaging/quantell-rc.o
    -P ${CMAKE_CURRENT_LIST_DIR}/check-version-resource.cmake)

add_test(NAME desktop_entry COMMAND desktop-file-validate
    ${QUANTELL_DESKTOP_FILES}/${QUANTELL_APP_ID}.desktop)
# It exits with 0 after warnings; they count as failures here, hints do not.
set_tests_properties(desktop_entry PROPERTIES FAIL_REGULAR_EXPRESSION "error|warning")

add_test(NAME install_tree COMMAND ${CMAKE_COMMAND}
    -DBUILD=${PROJECT_BINARY_DIR} -DPREFIX=${PROJECT_BINARY_DIR}/packaging/install-tree
    -DAPP_ID=${QUANTELL_APP_ID}
    -P ${CMAKE_CURRENT_LIST_DIR}/check-install-tree.cmake)
