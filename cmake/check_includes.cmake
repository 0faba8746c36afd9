# Stops the build when a source includes a layer above its own: the calculation
# core stands on the standard library with three header-only libraries (fast_float
# reads numbers, Eigen solves the square coax's field, Boost.Math gives Bessel
# functions, roots and quadrature), the pictures on the standard
# library alone, tarvelle-calc on the core, the window on the core and the pictures
# with Qt, start-up on the window.
#   cmake -DSOURCE=... -DSTAMP=... -P check_includes.cmake
set(rules
    # folder       project folders it may include   libraries' folders it may include
    "calc"         "calc"                           "fast_float|Eigen|boost"
    "ui/pictures"  "ui/pictures"                    "-"
    "cli"          "calc|cli"                       "-"
    "ui"           "calc|ui"                        "Qt[A-Za-z]*"
    "app"          "calc|ui|app"                    "Qt[A-Za-z]*")
set(failures "")
list(LENGTH rules count)
math(EXPR last "${count} - 1")
foreach(i RANGE 0 ${last} 3)
    math(EXPR j "${i} + 1")
    math(EXPR k "${i} + 2")
    list(GET rules ${i} folder)
    list(GET rules ${j} allowed)
    list(GET rules ${k} libraries)
    file(GLOB files ${SOURCE}/${folder}/*.h ${SOURCE}/${folder}/*.cpp)
    foreach(file ${files})
        file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include")
        foreach(line ${includes})
            if(line MATCHES "[\"<](calc|ui|app|cli|tools|tests)/([^\">]*)[\">]")
                set(target "${CMAKE_MATCH_1}/${CMAKE_MATCH_2}")
                if(NOT target MATCHES "^(${allowed})/")
                    list(APPEND failures "${file}: ${line}")
                endif()
            elseif(line MATCHES "<([A-Za-z_]+)/" AND NOT CMAKE_MATCH_1 MATCHES "^(${libraries})$")
                list(APPEND failures "${file}: ${line} (not a library of this layer)")
            elseif(NOT libraries MATCHES "Qt" AND line MATCHES "<(Q[A-Za-z]*>|q[a-z_]+\\.h>)")
                list(APPEND failures "${file}: ${line} (no toolkit here)")
            endif()
        endforeach()
    endforeach()
endforeach()
if(failures)
    list(JOIN failures "\n  " listed)
    message(FATAL_ERROR "includes that run the wrong way:\n  ${listed}")
endif()
file(TOUCH ${STAMP})
