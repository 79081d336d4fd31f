# Checks of the Windows program file and the Linux desktop files, each where it applies.
# Included from this folder's CMakeLists.txt.

if(WIN32)
    # The version resource as Windows reads it from the built program file.
    add_executable(version_info_check ${CMAKE_CURRENT_LIST_DIR}/VersionInfoCheck.cpp)
    target_link_libraries(version_info_check PRIVATE version shell32)
    add_test(NAME version_resource COMMAND version_info_check $<TARGET_FILE:quantell>
        ${PROJECT_NAME} ${PROJECT_VERSION} ${QUANTELL_VERSION_TEXT})
    # The portable zip, once packed, starts on its own.
    set(zip ${PROJECT_BINARY_DIR}/Quantell-${PROJECT_VERSION}-win64.zip)
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME portable_zip COMMAND ${PROJECT_SOURCE_DIR}/scripts/windows.sh check-zip ${zip})
        set_tests_properties(portable_zip PROPERTIES REQUIRED_FILES ${zip})
    endif()
    return()
endif()

add_test(NAME version_resource COMMAND ${CMAKE_COMMAND}
    -DWINDRES=x86_64-w64-mingw32-windres -DRC=${QUANTELL_RC}
    -DOBJECT=${CMAKE_CURRENT_BINARY_DIR}/quantell-rc.o
    -DVERSION=${PROJECT_VERSION} -DVERSION_TEXT=${QUANTELL_VERSION_TEXT}
    -P ${CMAKE_CURRENT_LIST_DIR}/check-version-resource.cmake)

add_test(NAME desktop_entry COMMAND desktop-file-validate
    ${PROJECT_BINARY_DIR}/resources/${QUANTELL_APP_ID}.desktop)
# It exits with 0 after warnings; they count as failures here, hints do not.
set_tests_properties(desktop_entry PROPERTIES FAIL_REGULAR_EXPRESSION "error|warning")

add_test(NAME install_tree COMMAND ${CMAKE_COMMAND}
    -DBUILD=${PROJECT_BINARY_DIR} -DPREFIX=${CMAKE_CURRENT_BINARY_DIR}/install-tree
    -DAPP_ID=${QUANTELL_APP_ID}
    -P ${CMAKE_CURRENT_LIST_DIR}/check-install-tree.cmake)
