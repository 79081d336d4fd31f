# SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
# SPDX-License-Identifier: MIT

# Run by CPack's External generator on the staged files of the zip: lists them for the
# installer in files.wxi beside quantell.wxs and builds the .msi with wixl, run in the staged
# folder, where it finds them. Each folder is one component, kept by a value under the
# product's HKCU key (a per-user component has no file to be kept by) and removed with it.
set(stage ${CPACK_TEMPORARY_DIRECTORY})
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${stage} ${stage}/*)
set(folders "")
set(count 0)
foreach(file IN LISTS files)
    math(EXPR count "${count} + 1")
    get_filename_component(folder ${file} DIRECTORY)
    if(NOT folder)
        set(folder .)
    elseif(folder MATCHES "/")
        message(FATAL_ERROR "${file}: only the program's folder and one below it are listed")
    endif()
    list(APPEND folders ${folder})
    string(APPEND files_${folder} "    <File Id=\"File${count}\" Source=\"${file}\"/>\n")
endforeach()
list(REMOVE_DUPLICATES folders)

set(components "")
set(refs "")
foreach(folder IN LISTS folders)
    list(FIND folders ${folder} n)
    set(component "  <Component Id=\"Folder${n}\" Guid=\"*\">
    <RegistryValue Root=\"HKCU\" Key=\"$(var.ProductKey)\" Name=\"Folder${n}\" Type=\"integer\"
                   Value=\"1\" KeyPath=\"yes\"/>
    <RemoveFolder Id=\"Folder${n}\" On=\"uninstall\"/>
${files_${folder}}  </Component>\n")
    if(NOT folder STREQUAL ".")
        set(component "<Directory Id=\"Folder${n}\" Name=\"${folder}\">\n${component}</Directory>\n")
    endif()
    string(APPEND components ${component})
    string(APPEND refs "  <ComponentRef Id=\"Folder${n}\"/>\n")
endforeach()
get_filename_component(description_dir ${CPACK_WIXL_SOURCE} DIRECTORY)
file(WRITE ${description_dir}/files.wxi "<Include><Fragment>
<DirectoryRef Id=\"INSTALLDIR\">\n${components}</DirectoryRef>
<ComponentGroup Id=\"Files\">\n${refs}</ComponentGroup>
</Fragment></Include>\n")

set(msi ${CPACK_TOPLEVEL_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.msi)
# A warning of wixl (an attribute it does not know, say) fails the build. Its texts go into
# the package in the Windows code page that WINDOWS_LANGUAGE names, else the locale's, 1252
# here: that drops the Japanese messages without a word.
execute_process(COMMAND ${CMAKE_COMMAND} -E env G_DEBUG=fatal-warnings WINDOWS_LANGUAGE=ja
    wixl --arch x64 --define Version=${CPACK_PACKAGE_VERSION} --output ${msi} ${CPACK_WIXL_SOURCE}
    WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)
# wixl leaves the texts' code page unnamed, and Windows reads them in its own: elsewhere than
# on a Japanese Windows the messages would come out garbled. msibuild names it.
set(codepage ${CPACK_TOPLEVEL_DIRECTORY}/_ForceCodepage.idt)
file(WRITE ${codepage} "\r\n\r\n932\t_ForceCodepage\r\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E env WINDOWS_LANGUAGE=ja msibuild ${msi} -i ${codepage}
    COMMAND_ERROR_IS_FATAL ANY)
# wixl also gives the summary information, which Windows shows as the file's details, the
# language 1033 (English) whatever the package says: msibuild sets the package's own, keeping
# subject, author and revision. Its texts stay ASCII: msibuild writes them in UTF-8, which
# the summary's code page, 932, would garble.
execute_process(COMMAND msiinfo suminfo ${msi} OUTPUT_VARIABLE summary COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCH "Subject: ([^\n]*)\nAuthor: ([^\n]*)\n.*Template: x64;[0-9]+\nRevision number \\(UUID\\): ([^\n]*)"
    _ "${summary}")
if(NOT CMAKE_MATCH_3)
    message(FATAL_ERROR "msiinfo shows no summary information of ${msi}:\n${summary}")
endif()
execute_process(COMMAND msibuild ${msi} -s ${CMAKE_MATCH_1} ${CMAKE_MATCH_2} "x64;1041" ${CMAKE_MATCH_3}
    COMMAND_ERROR_IS_FATAL ANY)
set(CPACK_EXTERNAL_BUILT_PACKAGES ${msi})
