# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Brimbal authors
# Installs the build into a fresh prefix and checks it as a desktop would find it: the program
# answers --version when started from elsewhere, the desktop entry and the metainfo pass their
# validators (where installed), and every file they name is in the prefix.
#
# -D arguments: BUILD_DIR, PREFIX, APP_ID, VERSION_TEXT, GAMES_DIR and DATA_DIR (relative to
# the prefix), DESKTOP_FILE_VALIDATE and APPSTREAMCLI (empty when not installed).

function(fail message)
    message(FATAL_ERROR "${message}")
endfunction()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    fail("cmake --install failed: ${result}")
endif()

set(desktop "${PREFIX}/${DATA_DIR}/applications/${APP_ID}.desktop")
set(metainfo "${PREFIX}/${DATA_DIR}/metainfo/${APP_ID}.metainfo.xml")
foreach(file "${desktop}" "${metainfo}")
    if(NOT EXISTS "${file}")
        fail("not installed: ${file}")
    endif()
endforeach()

# The validators must have nothing to say, not even a warning.
if(DESKTOP_FILE_VALIDATE)
    execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${desktop}"
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0 OR NOT output STREQUAL "")
        fail("desktop-file-validate: ${result}\n${output}")
    endif()
else()
    message(STATUS "desktop-file-validate not installed: desktop entry not validated")
endif()
if(APPSTREAMCLI)
    # --strict: any issue but a pedantic hint fails.
    execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net --strict "${metainfo}"
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        fail("appstreamcli validate: ${result}\n${output}")
    endif()
else()
    message(STATUS "appstreamcli not installed: metainfo not validated")
endif()

# What the desktop entry and the metainfo name: the program, the icon, the launchable entry.
file(STRINGS "${desktop}" desktop_lines)
set(programs)
set(icons)
foreach(line IN LISTS desktop_lines)
    if(line MATCHES "^(Exec|TryExec)=([^ ]+)")
        list(APPEND programs "${CMAKE_MATCH_2}")
    elseif(line MATCHES "^Icon=(.+)$")
        list(APPEND icons "${CMAKE_MATCH_1}")
    endif()
endforeach()
file(READ "${metainfo}" metainfo_text)
string(REGEX MATCHALL "<binary>[^<]+</binary>" binaries "${metainfo_text}")
foreach(binary IN LISTS binaries)
    string(REGEX REPLACE "<binary>([^<]+)</binary>" "\\1" binary "${binary}")
    list(APPEND programs "${binary}")
endforeach()
string(REGEX MATCHALL "<icon type=\"stock\">[^<]+</icon>" stock_icons "${metainfo_text}")
foreach(icon IN LISTS stock_icons)
    string(REGEX REPLACE "<icon[^>]*>([^<]+)</icon>" "\\1" icon "${icon}")
    list(APPEND icons "${icon}")
endforeach()
string(REGEX MATCHALL "<launchable type=\"desktop-id\">[^<]+</launchable>" launchables
    "${metainfo_text}")
if(NOT programs OR NOT icons OR NOT launchables)
    fail("the desktop entry or the metainfo names no program, icon or launchable")
endif()

foreach(program IN LISTS programs)
    if(NOT EXISTS "${PREFIX}/${GAMES_DIR}/${program}")
        fail("program ${program} is not in ${PREFIX}/${GAMES_DIR}")
    endif()
endforeach()
foreach(icon IN LISTS icons)
    file(GLOB found "${PREFIX}/${DATA_DIR}/icons/hicolor/*/apps/${icon}.png"
        "${PREFIX}/${DATA_DIR}/icons/hicolor/*/apps/${icon}.svg")
    if(NOT found)
        fail("icon ${icon} is not in the hicolor theme under ${PREFIX}/${DATA_DIR}/icons")
    endif()
endforeach()
foreach(launchable IN LISTS launchables)
    string(REGEX REPLACE "<launchable[^>]*>([^<]+)</launchable>" "\\1" launchable "${launchable}")
    if(NOT EXISTS "${PREFIX}/${DATA_DIR}/applications/${launchable}")
        fail("launchable ${launchable} is not in ${PREFIX}/${DATA_DIR}/applications")
    endif()
endforeach()

# The installed program, started from a directory of its own, outside the build.
set(elsewhere "${PREFIX}/elsewhere")
file(MAKE_DIRECTORY "${elsewhere}")
execute_process(COMMAND "${PREFIX}/${GAMES_DIR}/brimbal" --version
    WORKING_DIRECTORY "${elsewhere}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT output STREQUAL "${VERSION_TEXT}\n")
    fail("installed brimbal --version: ${result}\n${output}${errors}")
endif()
