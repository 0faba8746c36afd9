# Builds the Debian package as scripts/package-debian.sh does, checks its control
# fields and contents, has lintian check it (no tag at all with -I --pedantic), runs
# the promise table on the packaged tarvelle-calc and checks that apt would install
# it here.
#   cmake -DSOURCE=... -DWORK=... -DVERSION=... -P debian_package_test.cmake   (WORK/build is kept between runs)
# Another system may lack Debian's tools: the test is skipped with the reason.
foreach(tool dpkg-deb dpkg-buildflags dpkg-shlibdeps lintian apt-get cpack)
    find_program(found_${tool} ${tool})
    if(NOT found_${tool})
        message(STATUS "skipped: no ${tool}")
        return()
    endif()
endforeach()

file(GLOB old ${WORK}/*.deb)
if(old)
    file(REMOVE ${old})
endif()
# Held to the project's warnings, as its own builds are.
execute_process(COMMAND ${SOURCE}/scripts/package-debian.sh ${WORK}/build ${WORK} -DTARVELLE_WERROR=ON
                OUTPUT_VARIABLE said ERROR_VARIABLE said RESULT_VARIABLE failed)
file(GLOB package ${WORK}/tarvelle_${VERSION}_*.deb)
if(failed OR NOT package)
    message(FATAL_ERROR "no package was made: ${said}")
endif()
file(GLOB left RELATIVE ${WORK} ${WORK}/*)
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE architecture OUTPUT_STRIP_TRAILING_WHITESPACE)
list(REMOVE_ITEM left build unpacked tarvelle_${VERSION}_${architecture}.deb)
foreach(item ${left})
    get_filename_component(name ${item} NAME)
    if(NOT name MATCHES "^tarvelle_.*\\.deb$")
        message(SEND_ERROR "the package's folder holds more than the package: ${item}")
    endif()
endforeach()

function(field name expected)
    execute_process(COMMAND dpkg-deb -f ${package} ${name} OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT value MATCHES "${expected}")
        message(SEND_ERROR "${name}: «${value}» does not match «${expected}»")
    endif()
endfunction()
field(Package "^tarvelle$")
string(REPLACE "." "\\." version_pattern "${VERSION}")
field(Version "^${version_pattern}$")
field(Description "^characteristic impedance of two-wire and coaxial lines\n .*window is in French")
foreach(dependency libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins qt6-translations-l10n fonts-dejavu-core)
    field(Depends "(^|, )${dependency}( |,|$)")
endforeach()
field(Recommends "qt6-wayland")

execute_process(COMMAND dpkg-deb -c ${package} OUTPUT_VARIABLE contents)
set(id org.example.tarvelle)
set(expected ./usr/bin/tarvelle ./usr/share/applications/${id}.desktop ./usr/share/metainfo/${id}.metainfo.xml
             ./usr/share/doc/tarvelle/copyright ./usr/share/doc/tarvelle/changelog.gz
             ./usr/share/lintian/overrides/tarvelle
             ./usr/share/man/man1/tarvelle.1.gz ./usr/bin/tarvelle-calc ./usr/share/man/man1/tarvelle-calc.1.gz
             ./usr/share/bash-completion/completions/tarvelle-calc)
foreach(size 16 24 32 48 64 128 256)
    list(APPEND expected ./usr/share/icons/hicolor/${size}x${size}/apps/${id}.png)
endforeach()
foreach(file ${expected})
    string(FIND "${contents}" " ${file}\n" at)
    if(at EQUAL -1)
        message(SEND_ERROR "the package lacks ${file}")
    endif()
endforeach()

# Built with fortify: each program calls checked variants of the C library's functions.
file(REMOVE_RECURSE ${WORK}/unpacked)
execute_process(COMMAND dpkg-deb -x ${package} ${WORK}/unpacked)
foreach(program tarvelle tarvelle-calc)
    execute_process(COMMAND readelf --wide --dyn-syms ${WORK}/unpacked/usr/bin/${program} OUTPUT_VARIABLE symbols)
    string(REGEX MATCHALL "__[a-z_]+_chk" checked "${symbols}")
    list(REMOVE_ITEM checked __stack_chk_fail)
    if(NOT checked)
        message(SEND_ERROR "${program} is not built with _FORTIFY_SOURCE")
    endif()
endforeach()

# The program as shipped keeps every promise of tarvelle-calc.
execute_process(COMMAND bash ${SOURCE}/tests/cli/program_test.sh ${WORK}/unpacked/usr/bin/tarvelle-calc ${VERSION}
                        ${SOURCE}/cli/tarvelle-calc.bash
                OUTPUT_VARIABLE said ERROR_VARIABLE said RESULT_VARIABLE failed)
if(failed)
    message(SEND_ERROR "the packaged tarvelle-calc breaks a promise: ${said}")
endif()

# Every tag down to the informational and pedantic ones fails, overrides aside.
execute_process(COMMAND lintian -I --pedantic --fail-on error,warning,info,pedantic ${package}
                OUTPUT_VARIABLE said ERROR_VARIABLE ignored RESULT_VARIABLE failed)
if(failed OR NOT said STREQUAL "")
    message(SEND_ERROR "lintian: ${said}")
endif()
message(STATUS "lintian: ${said}")

execute_process(COMMAND apt-get install --simulate --no-install-recommends ${package}
                OUTPUT_VARIABLE said ERROR_VARIABLE said RESULT_VARIABLE failed)
if(failed)
    message(SEND_ERROR "apt-get would not install the package: ${said}")
endif()
