# Installs Tarvelle into a scratch prefix and checks the install tree: the program,
# the desktop entry, the icons and the AppStream record, validated by the tools made
# for them.
#   cmake -DBUILD=... -DPREFIX=... -DSOURCE=... -DVERSION=... -P install_test.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cmake --install failed")
endif()

set(id org.example.tarvelle)
foreach(file bin/tarvelle bin/tarvelle-calc share/applications/${id}.desktop share/metainfo/${id}.metainfo.xml
             share/bash-completion/completions/tarvelle-calc share/man/man1/tarvelle.1.gz share/man/man1/tarvelle-calc.1.gz)
    if(NOT EXISTS ${PREFIX}/${file})
        message(SEND_ERROR "missing from the install tree: ${file}")
    endif()
endforeach()
# The Debian package's own files come only with the Debian package.
foreach(file share/doc/tarvelle/changelog.gz share/lintian)
    if(EXISTS ${PREFIX}/${file})
        message(SEND_ERROR "a plain install holds the Debian package's ${file}")
    endif()
endforeach()

# Every key of the desktop entry, as a desktop shows it: the window's class is the
# application's name, Tarvelle, by which docks match the entry.
file(READ ${PREFIX}/share/applications/${id}.desktop entry)
set(expected [=[[Desktop Entry]
Type=Application
Name=Tarvelle
GenericName=Impedance Calculator
GenericName[fr]=Calculateur d'impédance
Comment=Characteristic impedance of two-wire and coaxial lines
Comment[fr]=Impédance caractéristique des lignes bifilaires et coaxiales
Exec=tarvelle
Icon=org.example.tarvelle
Terminal=false
Categories=Science;Electronics;
StartupWMClass=Tarvelle
Keywords=impedance;coax;transmission line;ham radio;impédance;coaxial;ligne bifilaire;radioamateur;
]=])
if(NOT "${entry}" STREQUAL "${expected}")
    message(SEND_ERROR "the desktop entry is\n${entry}\nnot\n${expected}")
endif()
file(READ ${PREFIX}/share/metainfo/${id}.metainfo.xml metainfo)
foreach(element "<id>${id}</id>" "<launchable type=\"desktop-id\">${id}.desktop</launchable>"
                "<binary>tarvelle</binary>" "<project_license>GPL-3.0-or-later</project_license>"
                "<category>Science</category>" "<category>Electronics</category>")
    string(FIND "${metainfo}" "${element}" at)
    if(at EQUAL -1)
        message(SEND_ERROR "the metainfo lacks ${element}")
    endif()
endforeach()
string(FIND "${metainfo}" "<release version=\"${VERSION}\"" at)
if(at EQUAL -1)
    message(SEND_ERROR "the metainfo lacks the ${VERSION} release")
endif()
# The Debian changelog's newest entry is this version, of the release date.
file(STRINGS ${SOURCE}/app/debian/changelog lines)
list(GET lines 0 newest)
if(NOT newest MATCHES "^tarvelle \\(${VERSION}\\) ")
    message(SEND_ERROR "app/debian/changelog begins with «${newest}», not version ${VERSION}")
endif()
string(REGEX MATCH "date=\"([0-9]+)-([0-9]+)-([0-9]+)\"" released "${metainfo}")
set(year ${CMAKE_MATCH_1})
set(day ${CMAKE_MATCH_3})
math(EXPR month "${CMAKE_MATCH_2} - 1")
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(GET months ${month} month)
list(FILTER lines INCLUDE REGEX "^ -- ")
list(GET lines 0 signed)
if(NOT signed MATCHES ", ${day} ${month} ${year} ")
    message(SEND_ERROR "app/debian/changelog's newest entry, «${signed}», is not of the release date")
endif()

# The manual pages compressed as Debian wants them, reproducibly: no name, no time
# stamp in the gzip header.
foreach(page tarvelle tarvelle-calc)
    file(READ ${PREFIX}/share/man/man1/${page}.1.gz header LIMIT 8 HEX)
    if(NOT header MATCHES "^1f8b0800000000")
        message(SEND_ERROR "${page}.1.gz carries a name or a time stamp: ${header}")
    endif()
endforeach()

execute_process(COMMAND readelf -d ${PREFIX}/bin/tarvelle OUTPUT_VARIABLE dynamic)
if(dynamic MATCHES "R(UN)?PATH")
    message(SEND_ERROR "the installed program carries a run path: ${dynamic}")
endif()

execute_process(COMMAND desktop-file-validate ${PREFIX}/share/applications/${id}.desktop
                RESULT_VARIABLE failed OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(failed OR NOT said STREQUAL "")
    message(SEND_ERROR "desktop-file-validate: ${said}")
endif()
execute_process(COMMAND appstreamcli validate --no-net --pedantic ${PREFIX}/share/metainfo/${id}.metainfo.xml
                RESULT_VARIABLE failed OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(failed)
    message(SEND_ERROR "appstreamcli validate: ${said}")
endif()
message(STATUS "appstreamcli: ${said}")
