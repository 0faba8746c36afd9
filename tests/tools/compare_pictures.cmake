# Checks that the committed application icon is what the pictures tool writes.
#   cmake -DTOOL=... -DSOURCE=... -DWORK=... -P compare_pictures.cmake
execute_process(COMMAND ${TOOL} ${WORK}/tarvelle.ico RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "make_pictures failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SOURCE}/app/tarvelle.ico ${WORK}/tarvelle.ico
                RESULT_VARIABLE different)
if(different)
    message(FATAL_ERROR "app/tarvelle.ico is not what make_pictures writes: run `cmake --build build --target pictures`")
endif()
