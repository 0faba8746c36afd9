# The licence and the manual page, installed with the program, and for the Debian
# package its changelog and lintian overrides
# (tarvelle-calc's are installed by cli/);
# `scripts/package-debian.sh` builds the Debian package from them with cpack, its
# dependencies on the Qt runtime computed from the program by dpkg-shlibdeps.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/tarvelle)
install(FILES ${PROJECT_SOURCE_DIR}/app/debian/copyright DESTINATION ${doc_dir})
configure_file(${PROJECT_SOURCE_DIR}/app/tarvelle.1.in ${PROJECT_BINARY_DIR}/tarvelle.1 @ONLY)
tarvelle_install_compressed(${PROJECT_BINARY_DIR}/tarvelle.1 ${CMAKE_INSTALL_MANDIR}/man1)
if(TARVELLE_DEBIAN_PACKAGE)
    tarvelle_install_compressed(${PROJECT_SOURCE_DIR}/app/debian/changelog ${doc_dir})
    install(FILES ${PROJECT_SOURCE_DIR}/app/debian/lintian-overrides
            DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME tarvelle)
endif()

set(CPACK_PACKAGE_NAME tarvelle)
set(CPACK_PACKAGE_VENDOR "Tarvelle")
set(CPACK_PACKAGE_CONTACT "Tarvelle developers <tarvelle@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "characteristic impedance of two-wire and coaxial lines")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the program loads besides the libraries it links: Qt's X11 platform plugin,
# its French translation and the outline font for dense screens; natively on
# Wayland with Qt's Wayland plugin.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.example.org/tarvelle")
# CPack writes the summary as the synopsis and this as the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Tarvelle gives radio amateurs and RF engineers the characteristic
impedance of a two-wire line, a square coaxial line and a round coaxial
line from two dimensions in millimetres. Each panel shows a cross-section
of the line on which the letters d and D mark what its two entries
measure. The program's window is in French.
.
The command tarvelle-calc gives the same results from a terminal, finds
the dimension that gives a wanted impedance, and prints tables.")

include(CPack)
