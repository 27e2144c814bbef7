# SPDX-FileCopyrightText: 2026 Zorbin developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by CPack (CPACK_PRE_BUILD_SCRIPTS) on the staged files, after they were stripped: removes the
# .comment section from each ELF file among them, as Debian's dh_strip does.
if(NOT CPACK_ZORBIN_OBJCOPY)
    message(FATAL_ERROR "No objcopy to remove the .comment section with")
endif()
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(file IN LISTS staged)
    if(IS_SYMLINK "${file}")
        continue()
    endif()
    file(READ "${file}" magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
        execute_process(COMMAND "${CPACK_ZORBIN_OBJCOPY}" --remove-section=.comment "${file}"
                        RESULT_VARIABLE status)
        if(NOT status EQUAL 0)
            message(FATAL_ERROR "objcopy could not remove the .comment section of ${file}")
        endif()
    endif()
endforeach()
