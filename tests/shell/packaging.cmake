# Checks of the Windows version resource, the Linux desktop files and the installed tree.
# Included from this folder's CMakeLists.txt.

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
