# Installs a manual page or changelog compressed as Debian wants it: at gzip's
# highest level, with no name or time stamp; as it is where there is no gzip.
find_program(TARVELLE_GZIP gzip)
# What `cmake --install` needs beyond the programs, for a build of the programs alone.
add_custom_target(install-files)
function(tarvelle_install_compressed file destination)
    get_filename_component(name ${file} NAME)
    if(NOT TARVELLE_GZIP)
        install(FILES ${file} DESTINATION ${destination})
        return()
    endif()
    set(compressed ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
    add_custom_command(OUTPUT ${compressed}
        COMMAND ${TARVELLE_GZIP} -9n -c ${file} > ${compressed}
        DEPENDS ${file})
    string(MAKE_C_IDENTIFIER "compress_${name}" target)
    add_custom_target(${target} ALL DEPENDS ${compressed})
    add_dependencies(install-files ${target})
    install(FILES ${compressed} DESTINATION ${destination})
endfunction()
