# SPDX-FileCopyrightText: 2026 Zorbin developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# zorbin_add_layer(NAME USES <libraries>... [HIDES <libraries>...] [HANDS_ON <headers>...])
#
# Makes the static library zorbin_NAME for the source folder NAME. Its sources include each other
# as "NAME/File.h", through a folder of the build tree that holds a link to NAME and nothing else,
# so that the only other layers a file can include are those the library links: USES are linked
# PUBLIC, and so on to whatever links it; HIDES are linked PRIVATE, for the layer's own use alone,
# apart from the headers it HANDS_ON ("wine/Drive.h"): the values its own headers hand over on
# purpose, linked into its folder one by one. The folder's own CMakeLists.txt adds the sources.
set(ZORBIN_LAYER_INCLUDE_ROOT ${PROJECT_BINARY_DIR}/layers)

function(zorbin_add_layer name)
    cmake_parse_arguments(PARSE_ARGV 1 LAYER "" "" "USES;HIDES;HANDS_ON")
    set(include_root ${ZORBIN_LAYER_INCLUDE_ROOT}/${name})
    file(MAKE_DIRECTORY ${include_root})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${name} ${include_root}/${name} SYMBOLIC)
    foreach(header IN LISTS LAYER_HANDS_ON)
        get_filename_component(header_folder ${include_root}/${header} DIRECTORY)
        file(MAKE_DIRECTORY ${header_folder})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${header} ${include_root}/${header} SYMBOLIC)
    endforeach()
    add_library(zorbin_${name} STATIC)
    target_include_directories(zorbin_${name} PUBLIC ${include_root})
    target_link_libraries(zorbin_${name} PUBLIC ${LAYER_USES} PRIVATE ${LAYER_HIDES}
                          zorbin_warnings)
endfunction()
