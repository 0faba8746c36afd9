# `cpack -G DEB` in the build folder makes the Debian package of Tarvelle, its
# dependencies on the Qt runtime computed from the program by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME tarvelle)
set(CPACK_PACKAGE_VENDOR "Tarvelle")
set(CPACK_PACKAGE_CONTACT "Tarvelle <tarvelle@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Impédance caractéristique des lignes bifilaires et coaxiales")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.example.org/tarvelle")
# CPack writes the summary as the synopsis and this as the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Tarvelle donne aux radioamateurs et aux techniciens en radiofréquence
l'impédance caractéristique d'une ligne bifilaire, d'une ligne coaxiale
carrée et d'une ligne coaxiale ronde à partir de deux dimensions en
millimètres. Chaque panneau montre une coupe de la ligne sur laquelle
les lettres d et D désignent ce que mesurent ses deux entrées.")

include(CPack)
