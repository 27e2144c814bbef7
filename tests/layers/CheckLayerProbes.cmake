# SPDX-FileCopyrightText: 2026 Zorbin developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds each probe of PROBES ("target=header" pairs) in BUILD_DIR, one after the other, so that no
# two builds share the build folder at once. Every probe but the last must fail for want of its
# header; the last must build.
list(LENGTH PROBES count)
math(EXPR last "${count} - 1")
set(index 0)
foreach(probe IN LISTS PROBES)
    string(REPLACE "=" ";" parts "${probe}")
    list(GET parts 0 target)
    list(GET parts 1 header)
    execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${target}
                    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(index EQUAL last)
        if(NOT status EQUAL 0)
            message(FATAL_ERROR "${target}, which includes ${header} as its layer may, failed:\n"
                                "${output}")
        endif()
    elseif(status EQUAL 0)
        message(FATAL_ERROR "${target} includes ${header}, which its layer may not use, and built")
    elseif(NOT output MATCHES "${header}: No such file or directory")
        message(FATAL_ERROR "${target} failed for another reason than the missing ${header}:\n"
                            "${output}")
    endif()
    math(EXPR index "${index} + 1")
endforeach()
message(STATUS "${count} layer probes as expected")
