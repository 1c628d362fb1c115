# Installs the build tree under a scratch folder as the Debian package does
# (prefix /usr) and checks what lands there:
#   - the program, its data, the desktop entry, the icon and the AppStream
#     metainfo, and nothing else (no test programs, bench or build tools);
#   - the desktop entry's Exec and Icon name files of the installed tree;
#   - desktop-file-validate and appstreamcli validate-tree accept the tree.
#
# cmake -DBUILD_DIR=... -DSTAGE_DIR=... -DDESKTOP_FILE_VALIDATE=...
#       -DAPPSTREAMCLI=... -P check_installed_tree.cmake

cmake_minimum_required(VERSION 3.25)

foreach(var BUILD_DIR STAGE_DIR DESKTOP_FILE_VALIDATE APPSTREAMCLI)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "check_installed_tree.cmake needs -D${var}=...")
    endif()
endforeach()
if(NOT DESKTOP_FILE_VALIDATE)
    message(FATAL_ERROR "desktop-file-validate not found: install the Debian package "
                        "desktop-file-utils (scripts/dev.sh does), then configure again")
endif()
if(NOT APPSTREAMCLI)
    message(FATAL_ERROR "appstreamcli not found: install the Debian package appstream "
                        "(scripts/dev.sh does), then configure again")
endif()

set(prefix /usr)
set(root ${STAGE_DIR}${prefix})
file(REMOVE_RECURSE ${STAGE_DIR})

execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE_DIR}
            ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
    OUTPUT_VARIABLE install_output ERROR_VARIABLE install_output
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${result}):\n${install_output}")
endif()

set(failures)

# Every installed file must be one of these; the ones without a wildcard
# must all be there.
set(required
    bin/tidewell
    share/applications/tidewell.desktop
    share/icons/hicolor/scalable/apps/tidewell.svg
    share/metainfo/org.tidewell.velmo.metainfo.xml
    share/tidewell/glossary.db
    share/tidewell/pictures/background.jpg)
set(allowed_patterns "^share/tidewell/pictures/[A-Za-z0-9_-]+\\.jpg$")

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${root} ${STAGE_DIR}/*)
file(GLOB_RECURSE everything LIST_DIRECTORIES false ${STAGE_DIR}/*)
foreach(path IN LISTS everything)
    string(FIND "${path}" "${root}/" at)
    if(NOT at EQUAL 0)
        list(APPEND failures "installed outside ${prefix}: ${path}")
    endif()
endforeach()

foreach(file IN LISTS installed)
    if(file IN_LIST required)
        continue()
    endif()
    set(matched FALSE)
    foreach(pattern IN LISTS allowed_patterns)
        if(file MATCHES "${pattern}")
            set(matched TRUE)
        endif()
    endforeach()
    if(NOT matched)
        list(APPEND failures "installed but not part of the program: ${prefix}/${file}")
    endif()
endforeach()
foreach(file IN LISTS required)
    if(NOT EXISTS ${root}/${file})
        list(APPEND failures "missing from the installed tree: ${prefix}/${file}")
    endif()
endforeach()

# The desktop entry starts the installed program and shows the installed icon.
set(desktop_file ${root}/share/applications/tidewell.desktop)
if(EXISTS ${desktop_file})
    file(STRINGS ${desktop_file} exec_lines REGEX "^Exec=")
    file(STRINGS ${desktop_file} icon_lines REGEX "^Icon=")
    list(LENGTH exec_lines exec_count)
    list(LENGTH icon_lines icon_count)
    if(NOT exec_count EQUAL 1 OR NOT icon_count EQUAL 1)
        list(APPEND failures "the desktop entry needs exactly one Exec= and one Icon= line")
    else()
        string(REGEX REPLACE "^Exec=([^ ]+).*$" "\\1" exec_program "${exec_lines}")
        string(REGEX REPLACE "^Icon=" "" icon_name "${icon_lines}")
        if(IS_ABSOLUTE "${exec_program}")
            string(REGEX REPLACE "^${prefix}/" "" exec_program "${exec_program}")
        else()
            set(exec_program bin/${exec_program})
        endif()
        if(NOT EXISTS ${root}/${exec_program} OR IS_DIRECTORY ${root}/${exec_program})
            list(APPEND failures "Exec= names ${prefix}/${exec_program}, which is not installed")
        endif()
        if(NOT EXISTS ${root}/share/icons/hicolor/scalable/apps/${icon_name}.svg)
            list(APPEND failures "Icon=${icon_name} has no hicolor icon in the installed tree")
        endif()
    endif()
endif()

execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${desktop_file}
                OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT output STREQUAL "")
    list(APPEND failures "desktop-file-validate on the installed entry:\n${output}")
endif()

execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net --strict --pedantic ${root}
                OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    list(APPEND failures "appstreamcli validate-tree (${result}):\n${output}")
endif()

if(failures)
    list(JOIN failures "\n" text)
    message(FATAL_ERROR "${text}")
endif()
list(LENGTH installed count)
message(STATUS "installed tree under ${prefix} holds the ${count} expected files")
