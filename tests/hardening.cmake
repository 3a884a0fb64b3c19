# SPDX-FileCopyrightText: 2026 The Sumbrix authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the program as a package would (stripped) and runs hardening-check on it.
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE} --strip
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
    message(FATAL_ERROR "cmake --install failed")
endif()
# Control-flow protection is compiled in where the compiler offers it, but
# this tool looks for a marker that Debian 12's own start-up files lack, so
# it is not required here.
# Branch protection, which newer versions also look for, is likewise a
# matter of the start-up files and the architecture.
set(ignored --nocfprotection)
execute_process(COMMAND ${TOOL} --help OUTPUT_VARIABLE usage ERROR_VARIABLE usage)
if(usage MATCHES "--nobranchprotection")
    list(APPEND ignored --nobranchprotection)
endif()
execute_process(COMMAND ${TOOL} ${ignored} ${STAGE}/bin/sumbrix RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "hardening-check found a missing protection")
endif()
