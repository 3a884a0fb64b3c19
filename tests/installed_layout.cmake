# Installs into a scratch prefix and checks that every file a desktop needs is there.
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
    message(FATAL_ERROR "cmake --install failed")
endif()
set(id org.sumbrix.Sumbrix)
set(expected
    bin/sumbrix
    share/applications/${id}.desktop
    share/metainfo/${id}.metainfo.xml
    share/icons/hicolor/scalable/apps/${id}.svg)
foreach(size 16 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${id}.png)
endforeach()
foreach(f IN LISTS expected)
    if(NOT EXISTS ${STAGE}/${f})
        message(FATAL_ERROR "missing after install: ${f}")
    endif()
endforeach()
message(STATUS "all ${id} files installed")
