# SPDX-FileCopyrightText: 2026 Zorbin developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the probes of PROBES ("target=source=header" triples) in BUILD_DIR: every probe but the
# last in one build that keeps going past failures, each of which must fail for want of its header;
# then the last, which must build. Two builds, not one a probe: each start of the build tool reads
# the whole project's build files.
set(index 0)
list(LENGTH PROBES count)
math(EXPR failing_count "${count} - 1")
set(targets)
set(sources)
set(headers)
foreach(probe IN LISTS PROBES)
    string(REPLACE "=" ";" parts "${probe}")
    list(GET parts 0 target)
    list(GET parts 1 source)
    list(GET parts 2 header)
    if(index EQUAL failing_count)
        set(allowed_target ${target})
        set(allowed_header ${header})
    else()
        list(APPEND targets ${target})
        list(APPEND sources ${source})
        list(APPEND headers ${header})
    endif()
    math(EXPR index "${index} + 1")
endforeach()

if(GENERATOR MATCHES "Ninja")
    set(keep_going -k 0)
else()
    set(keep_going -k)
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${targets} -- ${keep_going}
                OUTPUT_VARIABLE output ERROR_VARIABLE output)
set(index 0)
foreach(target IN LISTS targets)
    list(GET sources ${index} source)
    list(GET headers ${index} header)
    string(FIND "${output}" "${source}:" mentioned)
    string(FIND "${output}" "${source}:1:10: fatal error: ${header}: No such file or directory"
           refused)
    if(mentioned EQUAL -1)
        message(FATAL_ERROR "${target} includes ${header}, which its layer may not use, and built")
    elseif(refused EQUAL -1)
        message(FATAL_ERROR "${target} failed for another reason than the missing ${header}:\n"
                            "${output}")
    endif()
    math(EXPR index "${index} + 1")
endforeach()

execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${allowed_target}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${allowed_target}, which includes ${allowed_header} as it may, failed:\n"
                        "${output}")
endif()
message(STATUS "${count} layer probes as expected")
