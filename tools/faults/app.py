# Faults that a developer could plausibly make in app/ of Tarvelle (start-up, desktop
# entry, installation), in its packaging (cmake/, scripts/, app/debian/) and in the
# tools that draw its icons.
# Each entry: (path relative to the repository root, original text occurring exactly
# once in that file, replacement text, what a user would see).

FAULTS = [
    # --- start-up (app/main.cpp) ------------------------------------------------------
    ("app/main.cpp",
     "    form.show();\n",
     "",
     "the window never shows"),

    # --- command line (app/command_line.cpp) ------------------------------------------
    ("app/command_line.cpp",
     "std::fputs(argument == \"--help\" ? usage : versionText(\"tarvelle\").c_str(), stdout);",
     "std::fputs(argument == \"--help\" ? usage : versionText(\"tarvelle\").c_str(), stderr);",
     "tarvelle --help and --version write on the error output; \"tarvelle --help | "
     "less\" shows nothing"),
    ("app/command_line.cpp",
     "if (argc < 2)",
     "if (argc < 3)",
     "\"tarvelle foo\" opens the window instead of refusing the argument with status 2"),
    ("app/command_line.cpp",
     "    return 2;\n}",
     "    return 1;\n}",
     "an unknown argument to tarvelle exits with status 1 (as for a missing display) "
     "instead of 2"),

    # --- display connection (app/display_connection.cpp) ------------------------------
    ("app/display_connection.cpp",
     "std::fprintf(stderr, \"%s\\n\", noDisplayMessage(requested, availablePlatforms())",
     "std::fprintf(stdout, \"%s\\n\", noDisplayMessage(requested, availablePlatforms())",
     "the no-display message goes to standard output instead of standard error"),
    ("app/display_connection.cpp",
     "std::_Exit(1);",
     "std::_Exit(2);",
     "without a display tarvelle exits with status 2 instead of the documented 1"),

    # --- application identity (app/application_identity.cpp) --------------------------
    ("app/application_identity.cpp",
     "setApplicationName(QStringLiteral(\"Tarvelle\"));",
     "setApplicationName(QStringLiteral(\"tarvelle\"));",
     "the window's class becomes \"tarvelle\", which no longer matches "
     "StartupWMClass=Tarvelle"),
    ("app/application_identity.cpp",
     "QApplication::setDesktopFileName(QStringLiteral(TARVELLE_APP_ID));",
     "QApplication::setDesktopFileName(QStringLiteral(\"tarvelle\"));",
     "the window's app id no longer names the installed desktop entry: no icon/name in "
     "the task bar"),

    # --- installation (app/CMakeLists.txt) --------------------------------------------
    ("app/CMakeLists.txt",
     "set(icon_sizes 16 24 32 48 64 128 256)",
     "set(icon_sizes 16 32 48 64 128 256)",
     "no 24 × 24 icon is installed in the hicolor theme"),
    ("app/CMakeLists.txt",
     "DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)",
     "DESTINATION ${CMAKE_INSTALL_DATADIR}/appdata)",
     "the AppStream record is installed in the obsolete share/appdata instead of "
     "share/metainfo"),

    # --- desktop entry (app/tarvelle.desktop.in) --------------------------------------
    ("app/tarvelle.desktop.in",
     "Icon=@TARVELLE_APP_ID@",
     "Icon=tarvelle",
     "the desktop entry names an icon the theme does not hold: menus show a blank icon"),
    ("app/tarvelle.desktop.in",
     "Terminal=false",
     "Terminal=true",
     "launched from the menu, the window comes with an empty terminal"),
    ("app/tarvelle.desktop.in",
     "StartupWMClass=Tarvelle",
     "StartupWMClass=tarvelle",
     "the desktop entry no longer matches the window class: the dock shows a generic "
     "icon"),

    # --- AppStream record (app/tarvelle.metainfo.xml.in) ------------------------------
    ("app/tarvelle.metainfo.xml.in",
     "<launchable type=\"desktop-id\">@TARVELLE_APP_ID@.desktop</launchable>",
     "<launchable type=\"desktop-id\">@TARVELLE_APP_ID@</launchable>",
     "the AppStream record names a desktop entry that does not exist (no .desktop): "
     "software centres cannot launch it"),

    # --- manual page (app/tarvelle.1.in) ----------------------------------------------
    ("app/tarvelle.1.in",
     "up to 4 characters for",
     "up to 5 characters for",
     "the manual page says d takes up to 5 characters, while the entries take 4"),

    # --- lintian overrides (app/debian/lintian-overrides) -----------------------------
    ("app/debian/lintian-overrides",
     "[usr/bin/tarvelle-calc]",
     "[usr/bin/tarvelle]",
     "the override names the wrong program: lintian reports the spelling of "
     "\"invalide\" in tarvelle-calc and an unused override"),

    # --- Debian package (cmake/packaging.cmake) ---------------------------------------
    ("cmake/packaging.cmake",
     "set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/tarvelle)",
     "set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/Tarvelle)",
     "copyright and changelog are installed in /usr/share/doc/Tarvelle: lintian "
     "reports no copyright file"),
    ("cmake/packaging.cmake",
     "set(CPACK_STRIP_FILES ON)",
     "set(CPACK_STRIP_FILES OFF)",
     "the packaged programs keep their debugging symbols: lintian reports unstripped "
     "binaries"),
    ("cmake/packaging.cmake",
     "\"qt6-qpa-plugins, qt6-translations-l10n, fonts-dejavu-core\"",
     "\"qt6-qpa-plugins, qt6-translations-l10n\"",
     "the Debian package no longer depends on fonts-dejavu-core: on dense screens the "
     "outline font may be missing"),

    # --- compressed installation (cmake/compressed_install.cmake) ---------------------
    ("cmake/compressed_install.cmake",
     "${TARVELLE_GZIP} -9n -c",
     "${TARVELLE_GZIP} -9 -c",
     "the installed manual pages and changelog carry a name and time stamp: lintian "
     "reports timestamped gzip, builds are not reproducible"),

    # --- package build (scripts/package-debian.sh) ------------------------------------
    ("scripts/package-debian.sh",
     "-DCMAKE_CXX_FLAGS=\"$CPPFLAGS $CXXFLAGS\"",
     "-DCMAKE_CXX_FLAGS=\"$CXXFLAGS\"",
     "the package is built without _FORTIFY_SOURCE: lintian's hardening check reports "
     "unfortified functions (may go unnoticed if the check is informational)"),

    # --- stripping (scripts/strip-like-debian) ----------------------------------------
    ("scripts/strip-like-debian",
     "--remove-section=.comment --remove-section=.note",
     "--remove-section=.note",
     "the packaged programs keep their .comment section: lintian reports "
     "binary-has-unneeded-section"),

    # --- theme icons (tools/app_icon_pngs/main.cpp) -----------------------------------
    ("tools/app_icon_pngs/main.cpp",
     "{48, design16}",
     "{48, design32}",
     "the 48-pixel theme icon is the 32-pixel design on a transparent margin instead "
     "of the 16 tripled"),

    # --- Windows icon (tools/make_pictures/ico_writer.cpp) ----------------------------
    ("tools/make_pictures/ico_writer.cpp",
     "put32(out, static_cast<std::uint32_t>(c.height * 2));",
     "put32(out, static_cast<std::uint32_t>(c.height));",
     "the Windows icon's bitmaps declare half their height: the icon shows squashed or "
     "broken"),
    ("tools/make_pictures/ico_writer.cpp",
     "            if (c.at(x, y) == transparent)\n                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));",
     "            if (c.at(x, y) == transparent)\n                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x01 << (x % 8));",
     "the Windows icon's transparency mask is mirrored within each byte: stray holes "
     "and black specks"),
]
