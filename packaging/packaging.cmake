# SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
# SPDX-License-Identifier: MIT

# The program's installation and the packages: the Debian package on Linux, the portable zip,
# the installer (MSI) and the setup program for Windows, with the checks of each. Included last
# from the top level, so that the program target exists; the product facts are the root
# CMakeLists.txt's.
set(CPACK_PACKAGE_NAME quantell)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${QUANTELL_COMPANY})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${QUANTELL_SUMMARY})
set(CPACK_PACKAGE_DESCRIPTION [[
Quantell converts lengths, areas, volumes and weights between the yard-pound
and the metric system and shows an amount in all seven units of its kind at
once. Its user interface is Japanese.]])

# Our licence is LICENSE at the top, whose name and copyright line must be the product facts;
# the Debian copyright file and the Windows packages' LICENSE.txt take its terms from it.
# LICENSES/MIT.txt, where the files' licence lines point, is the same text.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/LICENSES/${QUANTELL_LICENSE}.txt)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
file(READ ${PROJECT_SOURCE_DIR}/LICENSES/${QUANTELL_LICENSE}.txt licence_for_files)
if(NOT licence STREQUAL licence_for_files)
    message(FATAL_ERROR "LICENSES/${QUANTELL_LICENSE}.txt must be the same text as LICENSE")
endif()
string(REGEX MATCH "^([^\n]*) License\n\n([^\n]*)\n\n(.*[^\n])\n$" _ "${licence}")
if(NOT CMAKE_MATCH_1 STREQUAL QUANTELL_LICENSE OR NOT CMAKE_MATCH_2 STREQUAL QUANTELL_COPYRIGHT)
    message(FATAL_ERROR "LICENSE must begin with \"${QUANTELL_LICENSE} License\", an empty line and "
        "\"${QUANTELL_COPYRIGHT}\", as the root CMakeLists.txt states them")
endif()
set(licence_terms "${CMAKE_MATCH_3}")

if(WIN32)
    # The program with, beside it, the DLLs it links and the plugins that Qt loads and nothing
    # links: the platform, the style, and the image formats, each of which Qt tries on an
    # image. Cross-built, runtime.cmake gathers them from the files at build time into runtime/,
    # plugins in their folders. Our licence and the notices of the DLLs go beside the program
    # too: in the zip, the installer and the setup program alike.
    if(CMAKE_CROSSCOMPILING)
        set(plugins QWindowsIntegrationPlugin QWindowsVistaStylePlugin QICOPlugin QJpegPlugin
            QGifPlugin)
        list(TRANSFORM plugins REPLACE "(.+)" "$<TARGET_FILE:Qt6::\\1>")
        # Windows' own DLLs, as Wine has them.
        find_path(QUANTELL_WINDOWS_DLLS kernel32.dll PATHS /usr/lib/x86_64-linux-gnu/wine
            PATH_SUFFIXES x86_64-windows NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
        set(runtime ${PROJECT_BINARY_DIR}/runtime)
        add_custom_command(OUTPUT ${runtime}.txt
            COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:quantell> "-DPLUGINS=${plugins}"
                "-DDIRECTORIES=${QUANTELL_RUNTIME_DIRS}" -DWINDOWS=${QUANTELL_WINDOWS_DLLS}
                -DOBJDUMP=${CMAKE_OBJDUMP} -DSTRIP=${CMAKE_STRIP} -DOUTPUT=${runtime}
                -P ${CMAKE_CURRENT_LIST_DIR}/runtime.cmake
            DEPENDS quantell ${plugins} ${CMAKE_CURRENT_LIST_DIR}/runtime.cmake VERBATIM)
        add_custom_target(runtime ALL DEPENDS ${runtime}.txt)
    endif()
    install(TARGETS quantell RUNTIME DESTINATION .)
    install(DIRECTORY ${PROJECT_BINARY_DIR}/runtime/ DESTINATION .)
    configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_BINARY_DIR}/LICENSE.txt @ONLY
        NEWLINE_STYLE CRLF)
    install(FILES ${PROJECT_BINARY_DIR}/LICENSE.txt DESTINATION .)
    # notices.py writes them from what is installed at that moment, so install rules added
    # above this one are seen: a file it cannot account for stops the packing. The Qt facts
    # come from scripts/windows-build.sh; without them (a build on Windows, say) there are no
    # notices, and so no package. They name the source archive that make windows writes
    # beside the packages (packaging/source-archive.py).
    set(QUANTELL_NOTICES THIRD-PARTY-NOTICES.txt)
    set(CPACK_QUANTELL_NOTICES ${QUANTELL_NOTICES})
    set(QUANTELL_SOURCE_ARCHIVE ${PROJECT_NAME}-${PROJECT_VERSION}-source.zip)
    set(CPACK_QUANTELL_SOURCE_ARCHIVE ${QUANTELL_SOURCE_ARCHIVE})
    # Qt's own texts in Japanese, where the program looks for them: translations\ beside it.
    set(QUANTELL_QT_CATALOGUE translations/qtbase_ja.qm)
    if(QUANTELL_QT_SOURCE)
        # Debian's catalogue, from the Qt of the host tools, whose version is ours.
        find_file(QUANTELL_QT_CATALOGUE_FILE qtbase_ja.qm PATHS ${QT_HOST_PATH}/share/qt6/translations
            NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
        install(FILES ${QUANTELL_QT_CATALOGUE_FILE} DESTINATION translations)
        find_program(QUANTELL_ATTRIBUTIONS_SCANNER qtattributionsscanner
            PATHS ${QT_HOST_PATH}/lib/qt6/libexec REQUIRED)
        install(CODE "execute_process(COMMAND python3 ${CMAKE_CURRENT_LIST_DIR}/notices.py
            --package \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\" --output ${QUANTELL_NOTICES}
            --product ${PROJECT_NAME} --qt-prefix \"${QT6_INSTALL_PREFIX}\"
            --qt-source \"${QUANTELL_QT_SOURCE}\" --qt-options \"${QUANTELL_QT_OPTIONS}\"
            --scanner \"${QUANTELL_ATTRIBUTIONS_SCANNER}\" --compiler \"${CMAKE_CXX_COMPILER}\"
            --objdump \"${CMAKE_OBJDUMP}\" --link-map \"${QUANTELL_LINK_MAP}\"
            --cache \"${PROJECT_BINARY_DIR}/notices-cache.json\"
            --source-archive ${QUANTELL_SOURCE_ARCHIVE}
            --copied \"${QUANTELL_QT_CATALOGUE}=${QUANTELL_QT_CATALOGUE_FILE}=translations/qtbase_ja.ts\"
            COMMAND_ERROR_IS_FATAL ANY)")
    else()
        install(CODE "message(FATAL_ERROR \"No ${QUANTELL_NOTICES} without QUANTELL_QT_SOURCE and \"
            \"QUANTELL_QT_OPTIONS, which scripts/windows-build.sh gives\")")
    endif()

    # The installer and the setup program hold the zip's files: the External generator runs
    # packaging/msi.cmake on them, which builds the installer with wixl from quantell.wxs; the
    # NSIS generator builds the setup program from NSIS.template.in, found beside this file.
    set(CPACK_GENERATOR ZIP External NSIS)
    # The tests read the names here: include(CPack) changes CPACK_PACKAGE_FILE_NAME.
    set(QUANTELL_PACKAGE ${PROJECT_NAME}-${PROJECT_VERSION}-win64)
    set(QUANTELL_SETUP ${PROJECT_NAME}-${PROJECT_VERSION}-setup)
    set(CPACK_PACKAGE_FILE_NAME ${QUANTELL_PACKAGE})
    # cpack-names.cmake gives the setup program its name.
    set(CPACK_QUANTELL_SETUP ${QUANTELL_SETUP})
    set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/cpack-names.cmake)

    list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
    set(CPACK_NSIS_PACKAGE_NAME ${PROJECT_NAME})
    set(CPACK_NSIS_INSTALLED_ICON_NAME quantell.exe)
    set(CPACK_NSIS_MUI_ICON ${QUANTELL_ICON_FILE})
    # The setup's entry in the installed programs; the installer refuses to install beside it.
    set(QUANTELL_SETUP_KEY "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\${PROJECT_NAME}")
    set(CPACK_QUANTELL_SETUP_KEY ${QUANTELL_SETUP_KEY})

    set(CPACK_EXTERNAL_ENABLE_STAGING ON)
    set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/msi.cmake)
    set(CPACK_WIXL_SOURCE ${PROJECT_BINARY_DIR}/quantell.wxs)
    # Shared by every version, so that a later one replaces an earlier one; the setup program
    # refuses to install beside an installation of this code.
    set(QUANTELL_UPGRADE_CODE 4E1B8F5A-2C7D-4F3E-9A61-0B5D7C3E8F21)
    set(CPACK_QUANTELL_UPGRADE_CODE ${QUANTELL_UPGRADE_CODE})
    # Windows Installer compares the first three fields of a version only, and the builds of
    # this program differ in the fourth: an installation replaces any below the next release.
    math(EXPR next_patch "${PROJECT_VERSION_PATCH} + 1")
    set(QUANTELL_NEXT_RELEASE ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${next_patch})
    configure_file(${CMAKE_CURRENT_LIST_DIR}/quantell.wxs.in ${CPACK_WIXL_SOURCE} @ONLY)
    # wixl finds files only beside the description or in the folder it runs in.
    configure_file(${QUANTELL_ICON_FILE} ${PROJECT_BINARY_DIR}/app.ico COPYONLY)
else()
    include(GNUInstallDirs)
    install(TARGETS quantell RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    # What lets a Linux desktop find the program: its desktop entry, metainfo and icon, every
    # rendered size of it in the theme folder of that size.
    set(QUANTELL_DESKTOP_FILES ${PROJECT_BINARY_DIR}/packaging)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/quantell.desktop.in
        ${QUANTELL_DESKTOP_FILES}/${QUANTELL_APP_ID}.desktop @ONLY)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/quantell.metainfo.xml.in
        ${QUANTELL_DESKTOP_FILES}/${QUANTELL_APP_ID}.metainfo.xml @ONLY)
    install(FILES ${QUANTELL_DESKTOP_FILES}/${QUANTELL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${QUANTELL_DESKTOP_FILES}/${QUANTELL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    file(GLOB app_pngs ${QUANTELL_ICON_DIR}/app-*.png)
    foreach(png ${app_pngs})
        string(REGEX MATCH "([0-9]+)\\.png$" _ ${png})
        install(FILES ${png}
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${CMAKE_MATCH_1}x${CMAKE_MATCH_1}/apps
            RENAME ${QUANTELL_APP_ID}.png)
    endforeach()
    install(FILES ${QUANTELL_ICON_DIR}/app.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${QUANTELL_APP_ID}.svg)
    set(CPACK_STRIP_FILES ON)

    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUANTELL_COMPANY} <quantell@brevalt.example>")
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    # The Qt libraries come from dpkg-shlibdeps. The platform plugins are only recommended by
    # Qt's GUI library, yet without them no window opens; the Japanese texts need a CJK font,
    # and Qt's own texts (its menus and buttons) its Japanese catalogue.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "qt6-qpa-plugins, qt6-translations-l10n, fonts-ipafont-gothic, fonts-vlgothic")
    set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
endif()

# The copyright file, the changelog and the manual pages a Debian package carries, made from
# the facts above. gzip -n leaves name and time out of the header, so that the same sources
# give the same bytes.
function(quantell_install_gzipped template output destination)
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${template} ${output} @ONLY)
    execute_process(COMMAND gzip -9nkf ${output} COMMAND_ERROR_IS_FATAL ANY)
    install(FILES ${output}.gz DESTINATION ${destination})
endfunction()

if(NOT WIN32)
    execute_process(COMMAND date -u -R -d ${QUANTELL_RELEASE_DATE}
        OUTPUT_VARIABLE QUANTELL_RELEASE_TIME OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    set(doc ${PROJECT_BINARY_DIR}/debian)
    set(docdir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
    # The licence's terms as a copyright file holds them: each line indented, an empty one " .".
    string(REPLACE "\n\n" "\n.\n" QUANTELL_LICENSE_TERMS "${licence_terms}")
    string(REPLACE "\n" "\n " QUANTELL_LICENSE_TERMS " ${QUANTELL_LICENSE_TERMS}")
    configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${doc}/copyright @ONLY)
    install(FILES ${doc}/copyright DESTINATION ${docdir})
    quantell_install_gzipped(changelog.in ${doc}/changelog ${docdir})
    quantell_install_gzipped(quantell.1.in ${doc}/quantell.1 ${CMAKE_INSTALL_MANDIR}/man1)
    quantell_install_gzipped(quantell.ja.1.in ${doc}/ja/quantell.1 ${CMAKE_INSTALL_MANDIR}/ja/man1)
endif()

include(CPack)

if(QUANTELL_TESTS)
    include(${CMAKE_CURRENT_LIST_DIR}/checks/checks.cmake)
endif()
