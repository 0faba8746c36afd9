# Runs the pictures tool into a scratch folder and checks that every committed
# picture is what it draws, byte for byte.
#   cmake -DTOOL=... -DSOURCE=... -DWORK=... -P compare_pictures.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/pictures ${WORK}/app)
execute_process(COMMAND ${TOOL} ${WORK}/pictures ${WORK}/app RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "make_pictures failed")
endif()
foreach(picture ui/pictures/two_wire.gif ui/pictures/square_coax.gif ui/pictures/round_coax.gif
                ui/pictures/wand.ico ui/pictures/eraser.ico app/tarvelle.ico)
    get_filename_component(name ${picture} NAME)
    get_filename_component(folder ${picture} DIRECTORY)
    get_filename_component(folder ${folder} NAME)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SOURCE}/${picture} ${WORK}/${folder}/${name}
                    RESULT_VARIABLE different)
    if(different)
        message(SEND_ERROR "${picture} is not what make_pictures draws: run `cmake --build build --target pictures`")
    else()
        message(STATUS "${picture}: up to date")
    endif()
endforeach()
