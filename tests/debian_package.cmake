# SPDX-FileCopyrightText: 2026 The Sumbrix authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the .deb as the README says and has lintian judge it: no error, no warning.
file(GLOB old ${BUILD_DIR}/sumbrix_*.deb)
if(old)
    file(REMOVE ${old})
endif()
execute_process(COMMAND cpack -G DEB WORKING_DIRECTORY ${BUILD_DIR}
                RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB deb ${BUILD_DIR}/sumbrix_*.deb)
if(failed OR NOT deb)
    message(FATAL_ERROR "cpack failed:\n${out}")
endif()
execute_process(COMMAND ${LINTIAN} --fail-on error,warning --display-info ${deb}
                RESULT_VARIABLE failed OUTPUT_VARIABLE report ERROR_VARIABLE report)
message(STATUS "lintian on ${deb}:\n${report}")
if(failed OR report MATCHES "(^|\n)[EW]: ")
    message(FATAL_ERROR "lintian found errors or warnings")
endif()
