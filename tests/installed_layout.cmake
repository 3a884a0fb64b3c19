# SPDX-FileCopyrightText: 2026 The Sumbrix authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every file a desktop needs is installed: by cmake --install
# into a scratch prefix (BUILD_DIR), or by the Debian package (DEB), which
# also carries the copyright and changelog.
file(REMOVE_RECURSE ${STAGE})
if(DEB)
    execute_process(COMMAND dpkg-deb -x ${DEB} ${STAGE} RESULT_VARIABLE failed)
    set(STAGE ${STAGE}/usr)
    set(what "the package")
else()
    execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}
                    RESULT_VARIABLE failed OUTPUT_QUIET)
    set(what "cmake --install")
endif()
if(failed)
    message(FATAL_ERROR "${what} failed")
endif()
set(id ${APP_ID})
set(expected
    bin/sumbrix
    share/applications/${id}.desktop
    share/metainfo/${id}.metainfo.xml
    share/icons/hicolor/scalable/apps/${id}.svg
    share/man/man1/sumbrix.1.gz)
if(DEB)
    list(APPEND expected share/doc/sumbrix/copyright share/doc/sumbrix/changelog.gz)
endif()
foreach(size 16 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${id}.png)
endforeach()
foreach(f IN LISTS expected)
    if(NOT EXISTS ${STAGE}/${f})
        message(FATAL_ERROR "missing after ${what}: ${f}")
    endif()
endforeach()
# Each icon is as large as the folder it stands in says (PNG header: width, height).
foreach(size 16 32 48 64 128 256)
    file(READ ${STAGE}/share/icons/hicolor/${size}x${size}/apps/${id}.png header OFFSET 16 LIMIT 8 HEX)
    string(SUBSTRING "${header}" 0 8 w)
    string(SUBSTRING "${header}" 8 8 h)
    math(EXPR w "0x${w}")
    math(EXPR h "0x${h}")
    if(NOT w EQUAL size OR NOT h EQUAL size)
        message(FATAL_ERROR "the ${size}x${size} icon is ${w}x${h}")
    endif()
endforeach()
message(STATUS "${what}: all ${id} files installed")
