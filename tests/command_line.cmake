# SPDX-FileCopyrightText: 2026 The Sumbrix authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the program with no display at all: --help and --version answer on
# standard output and exit 0; an unknown option or a stray argument is
# refused in one line on standard error; Qt's own options pass.
set(english --unset=LANGUAGE --unset=LC_MESSAGES --unset=LANG LC_ALL=C.UTF-8)
function(run)
    run_in("${english}" ${ARGN})
    foreach(v status out err shown)
        set(${v} "${${v}}" PARENT_SCOPE)
    endforeach()
endfunction()
function(run_in locale)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                            ${locale} ${PROGRAM} ${ARGN}
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    string(STRIP "${err}" err)
    set(status ${status} PARENT_SCOPE)
    set(out "${out}" PARENT_SCOPE)
    set(err "${err}" PARENT_SCOPE)
    set(shown "${ARGN}: exit ${status}\n  stdout: ${out}\n  stderr: ${err}" PARENT_SCOPE)
endfunction()

run(--help)
if(NOT status EQUAL 0 OR NOT err STREQUAL "" OR NOT out MATCHES "^Usage: [^\n]*sumbrix \\[options\\]")
    message(FATAL_ERROR "--help should answer on standard output and exit 0\n${shown}")
endif()
if(NOT out MATCHES "--version" OR NOT out MATCHES "--zoom <percent>" OR out MATCHES "platformpluginpath")
    message(FATAL_ERROR "--help should list our options and not Qt's (--help-all does)\n${shown}")
endif()

set(version_line "^[Ss]umbrix ${VERSION}\n$")
run(--version)
if(NOT status EQUAL 0 OR NOT out MATCHES "${version_line}")
    message(FATAL_ERROR "--version should print the version and exit 0\n${shown}")
endif()

# Qt's own options are accepted around ours.
run(-platform offscreen -style Fusion -reverse --version)
if(NOT status EQUAL 0 OR NOT out MATCHES "${version_line}")
    message(FATAL_ERROR "Qt's options should pass\n${shown}")
endif()

foreach(bad --frobnicate -x homework.txt)
    run(${bad})
    string(REGEX REPLACE "^-+" "" name ${bad})
    if(status EQUAL 0 OR NOT err MATCHES "${name}" OR err MATCHES "\n" OR NOT out STREQUAL "")
        message(FATAL_ERROR "${bad} should be refused in one line that names it\n${shown}")
    endif()
endforeach()
# A zoom outside 100-300 % is refused in one line; a good one is taken.
foreach(zoom abc 99 301 "" 150x 100 175% 300)
    run(--zoom=${zoom})
    if(zoom MATCHES "^(100|175%|300)$")
        if(NOT err MATCHES "no graphical display")
            message(FATAL_ERROR "--zoom=${zoom} should be taken\n${shown}")
        endif()
    elseif(status EQUAL 0 OR NOT err MATCHES "--zoom" OR err MATCHES "\n" OR NOT out STREQUAL "")
        message(FATAL_ERROR "--zoom=${zoom} should be refused in one line that names it\n${shown}")
    endif()
endforeach()
# The language follows the environment: LANGUAGE comes before LANG; a
# language without a catalogue gives English.
run_in("--unset=LC_ALL;--unset=LC_MESSAGES;LANGUAGE=fr:de;LANG=en_US.UTF-8" --help)
if(NOT status EQUAL 0 OR NOT out MATCHES "Entraînement au calcul")
    message(FATAL_ERROR "LANGUAGE=fr:de over LANG=en_US should answer in French\n${shown}")
endif()
# Qt's own lines ("Usage:") are French only where Qt's catalogue is installed.
if(EXISTS "${QT_TRANSLATIONS}/qtbase_fr.qm")
    if(NOT out MATCHES "^Utilisation")
        message(FATAL_ERROR "Qt's own --help lines should be in French too\n${shown}")
    endif()
else()
    set(skipped "Qt's French catalogue is not installed (${QT_TRANSLATIONS}): Qt's own lines were not checked")
endif()
run_in("--unset=LC_ALL;--unset=LC_MESSAGES;--unset=LANGUAGE;LANG=xx_YY.UTF-8" --help)
if(NOT status EQUAL 0 OR NOT out MATCHES "^Usage: .*An arithmetic drill for children")
    message(FATAL_ERROR "an unknown locale should answer in English\n${shown}")
endif()
if(skipped)
    message("SKIP: ${skipped}")
else()
    message(STATUS "command line: every answer as expected")
endif()
