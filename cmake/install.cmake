# Installation into the usual places of a Linux desktop, and the Debian package.
include(GNUInstallDirs)

set(OS2SETUP_DATA ${PROJECT_SOURCE_DIR}/data)
# The id the software centres know the program by; the menu entry keeps the
# name os2setup.desktop, as the program sets it as its desktop file name.
set(OS2SETUP_APPSTREAM_ID io.github.os2setup.os2setup)

install(TARGETS os2setup RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${OS2SETUP_DATA}/os2setup.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${OS2SETUP_DATA}/os2setup.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        RENAME ${OS2SETUP_APPSTREAM_ID}.metainfo.xml)

# The manual pages and the package's change log go in gzipped, as Debian wants
# them; -n keeps name and time out of the header, so the same source gives the
# same bytes. The English page is the default one; the Norwegian and German
# ones go where man looks for a locale's language (man/nb/man1, man/de/man1).
set(OS2SETUP_GZIPPED ${PROJECT_BINARY_DIR}/gzipped)
set(OS2SETUP_MANPAGE_GZ ${OS2SETUP_GZIPPED}/os2setup.1.gz)
set(OS2SETUP_MANPAGES nb de)
set(OS2SETUP_CHANGELOG_GZ ${OS2SETUP_GZIPPED}/changelog.Debian.gz)
find_program(OS2SETUP_GZIP gzip REQUIRED)
set(OS2SETUP_GZIP_PAIRS "${OS2SETUP_DATA}/os2setup.1|${OS2SETUP_MANPAGE_GZ}"
                        "${PROJECT_SOURCE_DIR}/debian/changelog|${OS2SETUP_CHANGELOG_GZ}")
set(OS2SETUP_GZIPPED_FILES ${OS2SETUP_MANPAGE_GZ} ${OS2SETUP_CHANGELOG_GZ})
foreach(language ${OS2SETUP_MANPAGES})
  set(gzipped ${OS2SETUP_GZIPPED}/${language}/os2setup.1.gz)
  list(APPEND OS2SETUP_GZIP_PAIRS "${OS2SETUP_DATA}/os2setup.${language}.1|${gzipped}")
  list(APPEND OS2SETUP_GZIPPED_FILES ${gzipped})
  install(FILES ${gzipped} DESTINATION ${CMAKE_INSTALL_MANDIR}/${language}/man1)
endforeach()
foreach(pair ${OS2SETUP_GZIP_PAIRS})
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 source)
  list(GET pair 1 gzipped)
  string(REGEX REPLACE "\\.gz$" "" plain "${gzipped}")
  add_custom_command(OUTPUT ${gzipped}
                     COMMAND ${CMAKE_COMMAND} -E copy ${source} ${plain}
                     COMMAND ${OS2SETUP_GZIP} -9nf ${plain}
                     DEPENDS ${source}
                     VERBATIM)
endforeach()
add_custom_target(os2setup_gzipped DEPENDS ${OS2SETUP_GZIPPED_FILES})
# Built with the program, so that installing after building it finds them.
add_dependencies(os2setup os2setup_gzipped)
install(FILES ${OS2SETUP_MANPAGE_GZ} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The licence and the package's history, where Debian looks for them.
set(OS2SETUP_DOC ${CMAKE_INSTALL_DATADIR}/doc/os2setup)
install(FILES ${PROJECT_SOURCE_DIR}/debian/copyright ${OS2SETUP_CHANGELOG_GZ} DESTINATION ${OS2SETUP_DOC})
install(FILES ${PROJECT_SOURCE_DIR}/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME os2setup)

# 32 and 64 px are the program's own hand-drawn icons; the other sizes are
# rendered from the SVG by scripts/render-icons.
set(OS2SETUP_ICONS
    16 ${OS2SETUP_DATA}/icons/os2setup-16.png
    32 ${PROJECT_SOURCE_DIR}/src/resources/os2setup.png
    48 ${OS2SETUP_DATA}/icons/os2setup-48.png
    64 ${PROJECT_SOURCE_DIR}/src/resources/os2setup-64.png
    128 ${OS2SETUP_DATA}/icons/os2setup-128.png
    256 ${OS2SETUP_DATA}/icons/os2setup-256.png)
while(OS2SETUP_ICONS)
  list(POP_FRONT OS2SETUP_ICONS size file)
  install(FILES ${file}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME os2setup.png)
endwhile()
install(FILES ${OS2SETUP_DATA}/icons/os2setup.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The Debian package: cpack -G DEB in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME os2setup)
set(CPACK_PACKAGE_VENDOR os2setup)
set(CPACK_PACKAGE_CONTACT "os2setup <os2setup@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor of the OS/2 boot file CONFIG.SYS")
set(CPACK_PACKAGE_DESCRIPTION
    "OS/2 setup edits CONFIG.SYS, the boot file of OS/2, from Linux with
the OS/2 partition mounted. Tab pages show the statements of the file
as controls; a line under them shows the current line as it is.
STARTUP.CMD and AUTOEXEC.BAT are edited beside it. The file read is
never overwritten: the result is saved as CONFIG.NEW. The interface is
Norwegian, English or German, after the locale.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The first packaging of this version; debian/changelog names the same.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION admin)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the program links (Qt, the C and C++ runtimes), with the
# versions they need, as dpkg-shlibdeps (dpkg-dev) finds them; and the fonts
# that stand in for Arial, which the window asks for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# Qt's own texts (the edit line's menu, standard buttons) in Norwegian and
# German; without them those few texts stay in English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
