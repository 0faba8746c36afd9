# Builds the Debian package and checks its control fields and contents, and that
# apt would install it here.
#   cmake -DBUILD=... -DWORK=... -P debian_package_test.cmake
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND cpack -G DEB --config ${BUILD}/CPackConfig.cmake -B ${WORK}
                OUTPUT_VARIABLE said ERROR_VARIABLE said RESULT_VARIABLE failed)
file(GLOB package ${WORK}/tarvelle_1.00*.deb)
if(failed OR NOT package)
    message(FATAL_ERROR "cpack made no package: ${said}")
endif()

function(field name expected)
    execute_process(COMMAND dpkg-deb -f ${package} ${name} OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT value MATCHES "${expected}")
        message(SEND_ERROR "${name}: «${value}» does not match «${expected}»")
    endif()
endfunction()
field(Package "^tarvelle$")
field(Version "^1\\.00$")
field(Architecture "^amd64$|^arm64$")
field(Section "^science$")
field(Description "^Impédance caractéristique des lignes bifilaires et coaxiales\n .*radioamateurs")
foreach(library libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc\\+\\+6)
    field(Depends "(^|, )${library}( |,|$)")
endforeach()

execute_process(COMMAND dpkg-deb -c ${package} OUTPUT_VARIABLE contents)
foreach(file ./usr/bin/tarvelle ./usr/share/applications/org.example.tarvelle.desktop
             ./usr/share/metainfo/org.example.tarvelle.metainfo.xml
             ./usr/share/icons/hicolor/16x16/apps/org.example.tarvelle.png
             ./usr/share/icons/hicolor/32x32/apps/org.example.tarvelle.png)
    string(FIND "${contents}" " ${file}\n" at)
    if(at EQUAL -1)
        message(SEND_ERROR "the package lacks ${file}")
    endif()
endforeach()

execute_process(COMMAND apt-get install --simulate --no-install-recommends ${package}
                OUTPUT_VARIABLE said ERROR_VARIABLE said RESULT_VARIABLE failed)
if(failed)
    message(SEND_ERROR "apt-get would not install the package: ${said}")
endif()
